#include "chunker/ChangePara.h"

#include "chunker/HostRecords.h"
#include "chunker/WordParagraphNode.h"
#include "model/Borders.h"
#include "model/CharacterString.h"
#include "model/CountedReference.h"
#include "model/Shading.h"
#include "model/TabDefinitions.h"
#include "trx/changes.h"

namespace {

// The host's alignment and tab kinds 0 to 4 as alignments and tab types.
constexpr EHorizontalAlignment kAlignmentOfIndex[] = {kAlignLeft, kAlignLeft, kAlignRight, kAlignCenter, kAlignJustify};
constexpr ETabTypes kTabTypeOfKind[] = {kTabLeft, kTabLeft, kTabRight, kTabCenter, kTabDecimal};
constexpr uint32_t kLastKind = 4;

static_assert(holdsBorders(CHPARABORDERS_RECORD_SIZE,
                           {CHPARABORDERS_TOP, CHPARABORDERS_LEFT, CHPARABORDERS_BOTTOM, CHPARABORDERS_RIGHT}),
              "the paragraph borders lie in their record");
static_assert(holdsField(CHSHADING_RECORD_SIZE, 0, CChunkerShade::kRecordSize),
              "the paragraph shading lies in its record");

int32_t signedValue(uint32_t value)
{
    return static_cast<int32_t>(value);
}

// A one-character string.
CCharacterString characterString(uint16_t character, uint32_t charSet)
{
    CCharacterString text;
    text.setString(&character, 1, charSet);
    return text;
}

} // namespace

uint32_t CChangePara::process(INode*& pNodeParent)
{
    auto* paragraph = dynamic_cast<CWordParagraphNode*>(pNodeParent);
    if (!paragraph)
        return 0;

    switch (getChangeType()) {
    case CHCHANGE_ALIGNMENT:
        paragraph->setHorizontalAlignment(kAlignmentOfIndex[getValue1() <= kLastKind ? getValue1() : 1]);
        break;
    case CHCHANGE_INDENTS:
        setIndents(*paragraph);
        break;
    case CHCHANGE_LINE_SPACING:
        setLineSpacing(*paragraph);
        break;
    case CHCHANGE_CLEAR_TABS:
        clearTabs(*paragraph);
        break;
    case CHCHANGE_ADD_TAB:
        addTab(*paragraph);
        break;
    case CHCHANGE_HYPHENATION_ZONE:
        setHyphenationZone(*paragraph);
        break;
    case CHCHANGE_KEEP:
        paragraph->setKeepTogether((getValue1() & 1) != 0);
        paragraph->setKeepWith((getValue1() & 2) != 0 ? kKeepWithNext : kKeepWithNone);
        break;
    case CHCHANGE_PARAGRAPH_BORDERS:
        setBorders(*paragraph);
        break;
    case CHCHANGE_PARAGRAPH_SHADING:
        setShading(*paragraph);
        break;
    case CHCHANGE_DEFAULT_TAB_WIDTH:
        setDefaultTabWidth(*paragraph);
        break;
    case CHCHANGE_ONE_INDENT:
        setOneIndent(*paragraph);
        break;
    case CHCHANGE_SPACE_BEFORE:
        paragraph->setSpaceBefore(CDimension(kDimensionExact, signedValue(getValue2())));
        break;
    case CHCHANGE_SPACE_AFTER:
        paragraph->setSpaceAfter(CDimension(kDimensionExact, signedValue(getValue2())));
        break;
    case CHCHANGE_REMOVE_TABS:
        removeTabs(*paragraph);
        break;
    case CHCHANGE_WIDOW_CONTROL:
    case CHCHANGE_ORPHAN_CONTROL:
        setWidowOrphan(*paragraph);
        break;
    default: // the unused paragraph changes and anything else
        break;
    }
    return 0;
}

void CChangePara::setIndents(CWordParagraphNode& paragraph)
{
    CIndents indents;
    indents.setLeftOffset(COffset(kOffsetFromLeftMargin, signedValue(getValue1())));
    indents.setRightOffset(COffset(kOffsetFromRightMargin, signedValue(getValue2())));
    indents.setFirstLineOffset(COffset(kOffsetFromLeftMargin, signedValue(getValue3())));
    paragraph.setIndents(indents);
}

void CChangePara::setOneIndent(CWordParagraphNode& paragraph)
{
    CIndents indents;
    paragraph.getIndents(indents);
    const int32_t value = signedValue(getValue3());
    switch (getValue1()) {
    case CHINDENT_LEFT:
        indents.setLeftOffset(COffset(kOffsetFromLeftMargin, value));
        break;
    case CHINDENT_RIGHT:
        indents.setRightOffset(COffset(kOffsetFromRightMargin, value));
        break;
    // Unlike the indents change, the first line is measured from the left indent.
    case CHINDENT_FIRST_LINE:
        indents.setFirstLineOffset(COffset(kOffsetFromLeftIndent, value));
        break;
    default:
        break;
    }
    paragraph.setIndents(indents);
}

void CChangePara::setLineSpacing(CWordParagraphNode& paragraph)
{
    const uint32_t kind = getValue1() & 0xFF;
    const EDimensionTypes type = kind == CHSPACING_AT_LEAST ? kDimensionAtLeast
                                 : kind == CHSPACING_EXACT  ? kDimensionExact
                                                            : kDimensionAuto;
    CLineSpacing spacing;
    spacing.setUnits(kHeightUnitsTwips);
    spacing.setDimHeight(CDimension(type, signedValue(getValue2())));
    paragraph.setLineSpacing(spacing);
}

void CChangePara::clearTabs(CWordParagraphNode& paragraph)
{
    auto tabs = makeCounted<CTabDefinitions>();
    tabs->setOffsetType(kOffsetFromLeftMargin);
    paragraph.setTabs(tabs.get());
}

CTabDefinitions* CChangePara::tabsOf(CWordParagraphNode& paragraph)
{
    if (!paragraph.getTabs())
        paragraph.setTabs(makeCounted<CTabDefinitions>().get());
    return paragraph.getTabs();
}

void CChangePara::addTab(CWordParagraphNode& paragraph)
{
    CTabDefinitions* tabs = tabsOf(paragraph);
    if (!tabs)
        return;
    CTabDefinition tab;
    tab.setOffset(getValue3());
    uint32_t kind = getValue1() & 0xFF;
    if (kind > kLastKind)
        kind = 1;
    tab.setType((getValue1() & CHTAB_BAR_FLAG) != 0 ? kTabBar : kTabTypeOfKind[kind]);
    tab.setLeader(characterString(static_cast<uint16_t>(getValue2() >> CHTAB_LEADER_SHIFT), paragraph.getCharset()));
    if (kind == CHTAB_DECIMAL)
        tab.setDecimalCharacter(characterString(static_cast<uint16_t>(getValue2() & 0xFFFF), 0));
    tabs->addTabDefinition(tab);
}

void CChangePara::removeTabs(CWordParagraphNode& paragraph)
{
    CTabDefinitions* tabs = paragraph.getTabs();
    if (!tabs || tabs->getTabDefinitions().empty())
        return;
    // Unsigned 32-bit bounds: a window that wraps at either end is empty.
    const uint32_t low = getValue1() - getValue2();
    const uint32_t high = getValue1() + getValue2();
    TabDefinitionList& list = tabs->getTabDefinitions();
    auto it = list.begin();
    while (it != list.end()) {
        if (it->getOffset() >= low && it->getOffset() <= high) {
            list.erase(it);
            it = list.begin();
        } else {
            ++it;
        }
    }
}

void CChangePara::setDefaultTabWidth(CWordParagraphNode& paragraph)
{
    // Like an added tab, the width creates the tab definitions when the
    // paragraph has none yet.
    if (CTabDefinitions* tabs = tabsOf(paragraph))
        tabs->setDefaultTabWidth(getValue1());
}

void CChangePara::setHyphenationZone(CWordParagraphNode& paragraph)
{
    CHyphenation hyphenation;
    paragraph.getHyphenation(hyphenation);
    hyphenation.setLeftHotZone(getValue1());
    hyphenation.setRightHotZone(getValue1());
    paragraph.setHyphenation(hyphenation);
}

void CChangePara::setBorders(CWordParagraphNode& paragraph)
{
    const auto record = readDataRecord<CHPARABORDERS_RECORD_SIZE>(*this, getValue2());
    // Each side from a fresh border: a style code the host table does not
    // know leaves that side without a line.
    auto side = [&](unsigned offset) {
        CBorder border;
        return m_border.transfer(record.data() + offset, border);
    };
    CGridBorders borders;
    borders.setTop(side(CHPARABORDERS_TOP));
    borders.setLeft(side(CHPARABORDERS_LEFT));
    borders.setBottom(side(CHPARABORDERS_BOTTOM));
    borders.setRight(side(CHPARABORDERS_RIGHT));
    paragraph.setBorders(borders);
}

void CChangePara::setShading(CWordParagraphNode& paragraph)
{
    // The record is read whether or not the shading is on: a change that
    // turns shading off still names its record.
    const auto record = readDataRecord<CHSHADING_RECORD_SIZE>(*this, getValue2());
    CShading shading;
    if (getValue1() == 1)
        m_shade.transfer(record.data(), shading);
    else
        shading.setType(kShadingNone);
    paragraph.setShading(shading);
}

void CChangePara::setWidowOrphan(CWordParagraphNode& paragraph)
{
    CWidowOrphan widowOrphan;
    widowOrphan.setEnable(getValue1() == 1);
    widowOrphan.setLinesTogether(getValue2() != 0 ? 1 : 0);
    paragraph.setWidowOrphan(widowOrphan);
}
