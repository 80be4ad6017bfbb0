#include "icf/ICFHeaderFooterNodeWriter.h"

#include "icf/ICFCommandWriter.h"
#include "icf/ICFParameter.h"
#include "icf/ICFVocabulary.h"
#include "model/HeaderFooterNode.h"
#include "model/Units.h"

namespace {

// "HFX" codes: a base by the pages the header or footer appears on, plus 2
// for a footer, plus 1 for any occurrence but the first.
constexpr unsigned long kOddPagesCode = 0x10;
constexpr unsigned long kEvenPagesCode = 0x08;
constexpr unsigned long kAllPagesCode = 0x04;
constexpr unsigned long kFooterCodeOffset = 2;
constexpr unsigned long kLaterOccurrenceCodeOffset = 1;

unsigned long pagesCode(EHeaderFooterPageAppearance appearance)
{
    switch (appearance) {
    case kOddPages:
    case kOddPagesWithFirst:
        return kOddPagesCode;
    case kEvenPages:
    case kEvenPagesWithFirst:
        return kEvenPagesCode;
    default:
        return kAllPagesCode;
    }
}

// Whether the first page of the section is concerned: 1 pages not given, 2
// with the first page, 3 without it.
unsigned long appearanceCode(EHeaderFooterPageAppearance appearance)
{
    switch (appearance) {
    case kPagesNotGiven:
        return 1;
    case kAllPagesWithFirst:
    case kOddPagesWithFirst:
    case kEvenPagesWithFirst:
        return 2;
    default:
        return 3;
    }
}

} // namespace

void CICFHeaderFooterNodeWriter::write()
{
    m_beingWritten = true;
    writeStart();
    writeChildren();
    writeEnd();
    m_beingWritten = false;
}

bool CICFHeaderFooterNodeWriter::canChildWrite(INode*)
{
    return getNode()->isOkToWrite() && m_beingWritten;
}

bool CICFHeaderFooterNodeWriter::queryInterface(int32_t id, void** out)
{
    if (!out || id != kICFPageAttributesInterface)
        return CICFNodeWriter::queryInterface(id, out);
    *out = static_cast<IICFPageAttributes*>(this);
    return true;
}

void CICFHeaderFooterNodeWriter::writeStart()
{
    CICFCommandWriter command;
    command.initialize(getICFWriter(), isHeader() ? kCmdHeader : kCmdFooter);
    command.writeParameter(CICFHexParameter(0));
    command.writeParameter(CICFDecimalParameter(0));
    command.writeParameter(CICFDecimalParameter(m_leftMargin / kTwipsPerColumn));
    command.writeParameter(CICFDecimalParameter(m_rightMargin / kTwipsPerColumn));
    command.writeParameter(CICFDecimalParameter(0));
    command.writeParameter(CICFDecimalParameter(0));
    command.writeParameter(CICFDecimalParameter(m_leftMargin));
    command.writeParameter(CICFDecimalParameter(m_rightMargin));
    command.done();
}

void CICFHeaderFooterNodeWriter::writeEnd()
{
    CICFCommandWriter command;
    command.initialize(getICFWriter(), kCmdHeaderFooterEnd);
    command.writeParameter(CICFDecimalParameter(0));
    command.writeParameter(CICFHexParameter(getPlacementCode()));
    command.writeParameter(CICFDecimalParameter(0));
    command.writeParameter(CICFDecimalParameter(appearanceCode(getHeaderFooter().getPageAppearance())));
    command.done();
}

IHeaderFooterContent& CICFHeaderFooterNodeWriter::getHeaderFooter()
{
    return dynamic_cast<IHeaderFooterContent&>(*getNode()->getIContent());
}

bool CICFHeaderFooterNodeWriter::isHeader()
{
    return getHeaderFooter().getHeaderFooterType() == kHeader;
}

unsigned long CICFHeaderFooterNodeWriter::getPlacementCode()
{
    unsigned long code = pagesCode(getHeaderFooter().getPageAppearance());
    if (!isHeader())
        code += kFooterCodeOffset;
    if (m_occurrence != 1)
        code += kLaterOccurrenceCodeOffset;
    return code;
}
