#include "icf/ICFFieldNodeWriters.h"

#include "icf/ICFCommandWriter.h"
#include "icf/ICFParameter.h"
#include "icf/ICFVocabulary.h"
#include "model/DateTimeFormats.h"
#include "model/FieldNodes.h"

#include <list>

namespace {

// The ICF code of each date or time part, indexed by the format code
// (1 to 11); 0 marks a code without ICF counterpart.
constexpr char kDateTimeCodes[] = {0, '4', '5', '2', '3', '1', '6', '7', '8', '9', '\x01', '0'};

// A field without a format shows the short numeric date, in the codes of
// the month (3), the day (5) and the year (1).
constexpr char kDefaultDateFormat[] = "2/1/4";

void appendFormatItem(const CDateTimeFormat& item, std::string& format)
{
    switch (item.getType()) {
    case kDateTimeFormatCharacters: {
        CCharacterString text;
        format += static_cast<const CDateTimeFormatCharacters&>(item).getString(text).getString();
        break;
    }
    case kDateTimeFormatCode: {
        const uint32_t code = static_cast<const CDateTimeFormatCode&>(item).getCode();
        if (code < sizeof(kDateTimeCodes) && kDateTimeCodes[code] != 0)
            format += kDateTimeCodes[code];
        break;
    }
    default:
        break;
    }
}

} // namespace

void CICFCommentCSNodeWriter::writeContent()
{
    std::list<CCharacterString> texts;
    getText(texts);
    // A string parameter writes each text through one text writer, double-byte
    // text enclosed in "MBC", and ends with the parameter end.
    CICFCommandWriter command;
    command.initialize(getICFWriter(), kCmdComment);
    command.writeParameter(CICFStringParameter(texts));
    command.done();
}

void CICFIncludedDocumentCSNodeWriter::writeContent()
{
    const auto* document = dynamic_cast<IIncludedDocumentCSContent*>(getNode()->getIContent());
    if (!document)
        return;
    CCharacterString location;
    CICFCommandWriter command;
    command.initialize(getICFWriter(), kCmdIncludedFile);
    command.writeParameter(CICFStringParameter(document->getDocumentLocation(location)));
    command.done();
}

void CICFDateTimeCSNodeWriter::writeContent()
{
    const auto* field = dynamic_cast<IDateTimeCSContent*>(getNode()->getIContent());
    if (!field)
        return;
    std::string format;
    for (const CDateTimeFormat* item : field->getDateTimeFormatList())
        appendFormatItem(*item, format);
    if (field->getDateTimeFormatList().empty())
        format = kDefaultDateFormat;
    CICFCommandWriter command;
    command.initialize(getICFWriter(), kCmdDateTime);
    for (unsigned char byte : format)
        command.writeParameter(CICFHexParameter(byte));
    command.done();
}
