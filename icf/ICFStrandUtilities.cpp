#include "icf/ICFStrandUtilities.h"

#include "icf/ICFNodeWriter.h"
#include "icf/ICFTextWriter.h"
#include "model/CharacterSets.h"
#include "model/StrandContentList.h"
#include "model/StrandProperties.h"

#include <algorithm>
#include <list>
#include <stdexcept>

namespace {

bool isTextStrand(IStrandContent* strand)
{
    const EContentInterfaceID kind = strand->getINode()->getContentInterfaceID();
    return kind == kTextStrandNode || kind == kWordTextStrandNode;
}

unsigned char firstByte(const std::string& bytes)
{
    if (bytes.empty())
        throw std::out_of_range("Out of range exception occurred");
    return static_cast<unsigned char>(bytes.front());
}

} // namespace

void CICFStrandUtilities::writeStrands(const CStrandContentList& strands)
{
    for (IStrandContent* strand : strands) {
        if (INodeWriter* writer = strand->getINode()->getNodeWriter())
            writer->write();
    }
}

void CICFStrandUtilities::writeTextOnly(CICFWriter* writer, const CStrandContentList& strands)
{
    if (!writer)
        return;
    for (IStrandContent* strand : strands) {
        auto* nodeWriter = dynamic_cast<CICFNodeWriter*>(strand->getINode()->getNodeWriter());
        if (!nodeWriter)
            continue;
        std::list<CCharacterString> texts;
        nodeWriter->getText(texts);
        CICFTextWriter textWriter(kMBCEnclosed);
        for (const CCharacterString& text : texts)
            textWriter.writeText(writer, text);
        textWriter.done();
    }
}

int CICFStrandUtilities::extractFirstCharacter(CStrandContentList& strands,
                                               TCountedReference<IStrandProperties>& properties,
                                               IStrandStyleContent*& style)
{
    const auto found = std::find_if(strands.begin(), strands.end(), isTextStrand);
    if (found == strands.end())
        return 0;
    IStrandContent* strand = *found;
    properties.reset(strand->getProperties());
    style = strand->getStyle();

    ITextStrandContent* textStrand = strand->getTextStrandContent();
    if (!textStrand)
        return 0;
    CCharacterString text;
    textStrand->getText(text);
    if (text.getLength() == 0)
        return 0;
    // The mark is one byte of Windows Western, whatever the strand's text is in.
    const std::string bytes = text.getString(kCharSetCp1252);
    const int character = firstByte(bytes);
    if (bytes.size() == 1) {
        strands.remove(strand);
        strand->getINode()->release();
    } else {
        textStrand->setText(CCharacterString(bytes.substr(1), kCharSetCp1252));
    }
    return character;
}
