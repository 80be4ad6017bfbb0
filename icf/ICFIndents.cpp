#include "icf/ICFIndents.h"

#include "icf/ICFAttributeFinder.h"
#include "icf/ICFCommandWriter.h"
#include "icf/ICFOffset.h"
#include "icf/ICFParameter.h"
#include "icf/ICFTabRuler.h"
#include "icf/ICFVocabulary.h"
#include "model/Units.h"

namespace {

// The parameter of a "TAB" that moves the first line to the next stop.
constexpr unsigned long kTabToNextStop = 1;

} // namespace

CICFIndents::CICFIndents() = default;

CICFIndents::CICFIndents(const CIndents& indents) : CIndents(indents)
{
}

CICFIndents::~CICFIndents() = default;

void CICFIndents::write(CICFWriter* writer, INode* node, CTabDefinitions* tabs, EPropertiesState)
{
    m_writer = writer;
    setTabs(tabs);
    if (m_tabRuler)
        m_tabRuler->setLeftMargin(CICFAttributeFinder::getLeftMargin(node));
    if (!writer)
        return;
    calculateICFIndentValues(node);
    writeIPS();
    writeRMI();
    writeSTM();
    writeLMR();
}

bool CICFIndents::allIndentsAreOff(INode* node)
{
    calculateICFIndentValues(node);
    return m_leftRelative == 0 && m_firstRelative == 0 && m_rightRelative == 0;
}

void CICFIndents::calculateICFIndentValues(INode* node)
{
    COffset offset;
    const CICFOffset leftIndent(getLeftOffset(offset));
    CICFOffset left(leftIndent);
    CICFOffset first(getFirstLineOffset(offset));
    CICFOffset right(getRightOffset(offset));
    for (CICFOffset* indent : {&left, &first, &right})
        indent->setLeftIndent(leftIndent);
    m_leftAbsolute = left.getAdjustedValue(kOffsetFromPageEdge, node);
    m_firstAbsolute = first.getAdjustedValue(kOffsetFromPageEdge, node);
    m_rightAbsolute = right.getAdjustedValue(kOffsetFromContainerWidth, node);
    m_leftRelative = left.getAdjustedValue(kOffsetFromLeftMargin, node);
    m_firstRelative = first.getAdjustedValue(kOffsetFromLeftMargin, node);
    m_rightRelative = right.getAdjustedValue(kOffsetFromRightMargin, node);
}

void CICFIndents::resetIndents()
{
    setFirstLineOffset(COffset(kOffsetFromLeftMargin, 0));
    setLeftOffset(COffset(kOffsetFromLeftMargin, 0));
    setRightOffset(COffset(kOffsetFromRightMargin, 0));
}

void CICFIndents::setTabs(CTabDefinitions* tabs)
{
    m_tabRuler = tabs ? std::make_unique<CICFTabRuler>(tabs) : nullptr;
}

void CICFIndents::writeIPS()
{
    CICFCommandWriter::writeDecimalCmd(m_writer, kCmdIndents,
                                       {m_leftRelative / kTwipsPerColumn, m_firstRelative / kTwipsPerColumn,
                                        m_leftAbsolute, m_firstAbsolute, m_rightAbsolute, m_leftRelative,
                                        m_firstRelative, m_rightRelative});
}

void CICFIndents::writeRMI()
{
    CICFCommandWriter::writeDecimalCmd(m_writer, kCmdRightIndent, {m_rightRelative / kTwipsPerColumn, m_rightRelative});
}

void CICFIndents::writeSTM()
{
    CICFCommandWriter::writeDecimalCmd(m_writer, kCmdLeftMargin,
                                       {0, m_leftAbsolute / kTwipsPerColumn, 0, m_leftAbsolute});
}

void CICFIndents::writeLMR()
{
    if (m_firstAbsolute > m_leftAbsolute) {
        writeFirstLineTabs();
    } else if (m_firstAbsolute < m_leftAbsolute) {
        const int32_t hanging = m_leftAbsolute - m_firstAbsolute;
        CICFCommandWriter::writeDecimalCmd(m_writer, kCmdHangingIndent,
                                           {hanging / kTwipsPerColumn, hanging, m_firstAbsolute});
    }
}

void CICFIndents::writeFirstLineTabs()
{
    if (!m_tabRuler)
        return;
    const int32_t firstTab = m_tabRuler->locateTab(COffset(kOffsetFromPageEdge, m_firstAbsolute), kTabMatchAtOrAfter);
    const int32_t leftTab = m_tabRuler->locateTab(COffset(kOffsetFromPageEdge, m_leftAbsolute), kTabMatchAtOrBefore);
    if (firstTab < 0 || leftTab < 0)
        return;
    CICFCommandWriter command;
    for (int32_t tab = leftTab; tab < firstTab; ++tab) {
        command.initialize(m_writer, kCmdTab);
        command.writeParameter(CICFDecimalParameter(kTabToNextStop));
        command.done();
    }
}
