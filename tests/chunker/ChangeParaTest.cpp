// Paragraph changes: alignment, indents, spacing, tabs, hyphenation, keep,
// borders and shading records, widow and orphan control.
#include "ChangeHandlerFixture.h"

#include "chunker/ChangePara.h"
#include "filter/Exceptions.h"
#include "model/Borders.h"
#include "model/Shading.h"

namespace {

using namespace changetest;

class ChangeParaTest : public ChangeHandlerFixture {
protected:
    ChangeParaTest() = default;
    explicit ChangeParaTest(const std::string& listing) : ChangeHandlerFixture(listing) {}

    CIndents indents()
    {
        CIndents out;
        return paragraphProperties().getIndents(out);
    }

    std::vector<uint32_t> tabOffsets()
    {
        std::vector<uint32_t> offsets;
        if (CTabDefinitions* tabs = paragraphProperties().getTabs()) {
            for (const CTabDefinition& tab : tabs->getTabDefinitions())
                offsets.push_back(tab.getOffset());
        }
        return offsets;
    }

    const CTabDefinition& tab(size_t index)
    {
        auto it = paragraphProperties().getTabs()->getTabDefinitions().begin();
        std::advance(it, index);
        return *it;
    }
};

TEST_F(ChangeParaTest, AlignmentIndexIsMappedAndClamped)
{
    const std::pair<uint32_t, EHorizontalAlignment> cases[] = {
        {2, kAlignRight}, {0, kAlignLeft}, {3, kAlignCenter}, {4, kAlignJustify}, {1, kAlignLeft},
        {3, kAlignCenter}, {7, kAlignLeft}, {4, kAlignJustify}, {5, kAlignLeft}, {4, kAlignJustify},
        {0xFFFFFFFF, kAlignLeft},
    };
    for (auto [value, alignment] : cases) {
        change(12, value);
        EXPECT_EQ(paragraphProperties().getHorizontalAlignment(), alignment) << "value " << value;
    }
}

TEST_F(ChangeParaTest, IndentsAndOneIndent)
{
    change(13, 720, 360, 0xFFFFFF10);
    COffset offset;
    EXPECT_EQ(indents().getLeftOffset(offset), COffset(kOffsetFromLeftMargin, 720));
    EXPECT_EQ(indents().getRightOffset(offset), COffset(kOffsetFromRightMargin, 360));
    EXPECT_EQ(indents().getFirstLineOffset(offset), COffset(kOffsetFromLeftMargin, -240));

    change(97, 0, 99, 1440);
    EXPECT_EQ(indents().getLeftOffset(offset), COffset(kOffsetFromLeftMargin, 1440));
    EXPECT_EQ(indents().getRightOffset(offset), COffset(kOffsetFromRightMargin, 360));
    change(97, 1, 0, 100);
    EXPECT_EQ(indents().getRightOffset(offset), COffset(kOffsetFromRightMargin, 100));
    change(97, 2, 0, 200);
    EXPECT_EQ(indents().getFirstLineOffset(offset), COffset(kOffsetFromLeftIndent, 200))
        << "one first-line indent is measured from the left indent";
    const CIndents before = indents();
    change(97, 3, 0, 300);
    EXPECT_EQ(indents(), before) << "an unknown indent changes nothing";
}

TEST_F(ChangeParaTest, LineSpacingKindsAndSpaces)
{
    CLineSpacing spacing;
    CDimension height;
    const std::pair<uint32_t, EDimensionTypes> kinds[] = {{2, kDimensionAtLeast},
                                                          {3, kDimensionExact},
                                                          {0x302, kDimensionAtLeast},
                                                          {1, kDimensionAuto},
                                                          {0, kDimensionAuto}};
    for (auto [kind, type] : kinds) {
        change(14, kind, 280);
        paragraphProperties().getLineSpacing(spacing);
        EXPECT_EQ(spacing.getUnits(), kHeightUnitsTwips);
        EXPECT_EQ(spacing.getDimHeight(height), CDimension(type, 280)) << "kind " << kind;
    }

    CDimension space;
    change(98, 77, 120);
    EXPECT_EQ(paragraphProperties().getSpaceBefore(space), CDimension(kDimensionExact, 120));
    change(99, 0, 240);
    EXPECT_EQ(paragraphProperties().getSpaceAfter(space), CDimension(kDimensionExact, 240));
    EXPECT_EQ(paragraphProperties().getSpaceBefore(space), CDimension(kDimensionExact, 120));
}

TEST_F(ChangeParaTest, TabsAreAddedInOrderWithTheirKindLeaderAndDecimalCharacter)
{
    EXPECT_EQ(paragraphProperties().getTabs(), nullptr);
    change(25, 0x14E40100);
    change(22, 1, 0x002E0000, 720);
    ASSERT_NE(paragraphProperties().getTabs(), nullptr) << "the first tab creates the definitions";
    change(22, 2, 0, 1440);
    change(22, 3, 0, 2160);
    change(22, 4, 0x002D002C, 2880);
    change(22, 9, 0, 3600);
    change(22, 0x201, 0, 4320);
    change(22, 0x204, 0, 5040);
    change(22, 0x100, 0, 5760);
    EXPECT_EQ(tabOffsets(), (std::vector<uint32_t>{720, 1440, 2160, 2880, 3600, 4320, 5040, 5760}));
    EXPECT_EQ(tab(0).getType(), kTabLeft);
    EXPECT_EQ(tab(1).getType(), kTabRight);
    EXPECT_EQ(tab(2).getType(), kTabCenter);
    EXPECT_EQ(tab(3).getType(), kTabDecimal);
    EXPECT_EQ(tab(4).getType(), kTabLeft) << "kind 9 counts as kind 1";
    EXPECT_EQ(tab(5).getType(), kTabBar);
    EXPECT_EQ(tab(6).getType(), kTabBar) << "the bar flag wins over the kind";
    EXPECT_EQ(tab(7).getType(), kTabLeft) << "only the low byte is the kind";

    CCharacterString text;
    tab(0).getLeader(text);
    EXPECT_EQ(text.getLength(), 1u);
    EXPECT_EQ(text.getCharacterAt(0), 0x2E);
    EXPECT_EQ(text.getCharacterSet(), 0x14E40100u) << "the leader is in the paragraph's character set";
    tab(3).getLeader(text);
    EXPECT_EQ(text.getCharacterAt(0), 0x2D);
    tab(3).getDecimalCharacter(text);
    EXPECT_EQ(text.getLength(), 1u);
    EXPECT_EQ(text.getCharacterAt(0), 0x2C);
    tab(0).getDecimalCharacter(text);
    EXPECT_EQ(text.getLength(), 0u) << "only decimal tabs have a decimal character";
    tab(6).getDecimalCharacter(text);
    EXPECT_EQ(text.getLength(), 1u) << "kind 4 with the bar flag still gets one";
}

TEST_F(ChangeParaTest, ClearTabsReplacesTheDefinitions)
{
    change(22, 1, 0, 720);
    change(88, 360);
    CTabDefinitions* before = paragraphProperties().getTabs();
    before->addRef();
    change(21);
    CTabDefinitions* cleared = paragraphProperties().getTabs();
    ASSERT_NE(cleared, nullptr);
    EXPECT_NE(cleared, before);
    EXPECT_TRUE(cleared->getTabDefinitions().empty());
    EXPECT_EQ(cleared->getOffsetType(), kOffsetFromLeftMargin);
    EXPECT_EQ(cleared->getDefaultTabWidth(), 0u);
    EXPECT_EQ(cleared->getReferenceCount(), 1u) << "the paragraph holds the only reference";
    EXPECT_EQ(before->getReferenceCount(), 1u) << "the old definitions were let go";
    before->releaseRef();
}

TEST_F(ChangeParaTest, RemoveTabsTakesEveryTabWithinTheTolerance)
{
    for (uint32_t offset : {989u, 990u, 1000u, 1011u, 1010u, 1000u, 500u})
        change(22, 1, 0, offset);
    change(102, 1000, 10);
    EXPECT_EQ(tabOffsets(), (std::vector<uint32_t>{989, 1011, 500}));
    change(102, 500, 0);
    EXPECT_EQ(tabOffsets(), (std::vector<uint32_t>{989, 1011}));
    change(102, 1011, 22);
    EXPECT_TRUE(tabOffsets().empty());
    change(102, 1000, 10);
    EXPECT_TRUE(tabOffsets().empty()) << "an empty list stays empty";
}

TEST_F(ChangeParaTest, RemoveTabsUsesAnUnsignedWindow)
{
    for (uint32_t offset : {0u, 5u, 15u, 0xFFFFFFF0u})
        change(22, 1, 0, offset);
    change(102, 5, 10);
    EXPECT_EQ(tabOffsets(), (std::vector<uint32_t>{0, 5, 15, 0xFFFFFFF0}))
        << "5 - 10 wraps above 5 + 10: the window is empty";
    change(102, 0xFFFFFFF0, 0x20);
    EXPECT_EQ(tabOffsets(), (std::vector<uint32_t>{0, 5, 15, 0xFFFFFFF0})) << "wrapping at the top: empty too";
    change(102, 10, 10);
    EXPECT_EQ(tabOffsets(), (std::vector<uint32_t>{0xFFFFFFF0})) << "0 to 20 without wrapping";
}

TEST_F(ChangeParaTest, RemoveTabsWithoutTabsDoesNothing)
{
    change(102, 1000, 10);
    EXPECT_EQ(paragraphProperties().getTabs(), nullptr);
}

TEST_F(ChangeParaTest, DefaultTabWidthCreatesTheDefinitionsWhenThereAreNone)
{
    change(88, 720);
    ASSERT_NE(paragraphProperties().getTabs(), nullptr);
    EXPECT_EQ(paragraphProperties().getTabs()->getDefaultTabWidth(), 720u);
    EXPECT_EQ(paragraphProperties().getTabs()->getReferenceCount(), 1u);
    change(22, 1, 0, 1000);
    change(88, 360);
    EXPECT_EQ(paragraphProperties().getTabs()->getDefaultTabWidth(), 360u);
    EXPECT_EQ(tabOffsets(), std::vector<uint32_t>{1000});
}

TEST_F(ChangeParaTest, HyphenationZoneKeepTogetherAndKeepWith)
{
    CHyphenation hyphenation;
    hyphenation.setEnable(true);
    paragraphProperties().setHyphenation(hyphenation);
    change(56, 360);
    paragraphProperties().getHyphenation(hyphenation);
    EXPECT_EQ(hyphenation.getLeftHotZone(), 360u);
    EXPECT_EQ(hyphenation.getRightHotZone(), 360u);
    EXPECT_TRUE(hyphenation.isEnabled()) << "the zone keeps the rest";

    const std::tuple<uint32_t, bool, EParagraphKeepWith> keeps[] = {
        {1, true, kKeepWithNone}, {2, false, kKeepWithNext}, {3, true, kKeepWithNext}, {0, false, kKeepWithNone},
        {6, false, kKeepWithNext}};
    for (auto [value, together, with] : keeps) {
        change(57, value);
        EXPECT_EQ(paragraphProperties().getKeepTogether(), together) << "value " << value;
        EXPECT_EQ(paragraphProperties().getKeepWith(), with) << "value " << value;
    }
}

TEST_F(ChangeParaTest, WidowAndOrphanControlSetLinesTogetherToOne)
{
    CWidowOrphan control;
    for (uint32_t type : {129u, 132u}) {
        change(type, 1, 5);
        paragraphProperties().getWidowOrphan(control);
        EXPECT_TRUE(control.isEnabled());
        EXPECT_EQ(control.getLinesTogether(), 1u) << "5 lines give 1, not 5";
        change(type, 0, 0);
        paragraphProperties().getWidowOrphan(control);
        EXPECT_FALSE(control.isEnabled());
        EXPECT_EQ(control.getLinesTogether(), 0u);
        change(type, 2, 1);
        paragraphProperties().getWidowOrphan(control);
        EXPECT_FALSE(control.isEnabled()) << "only 1 enables";
        EXPECT_EQ(control.getLinesTogether(), 1u);
    }
}

TEST_F(ChangeParaTest, TypesWithoutEffectChangeNothing)
{
    IParagraphProperties& properties = paragraphProperties();
    for (uint32_t type : {23u, 100u, 101u})
        change(type, 3, 3, 3);
    CChangePara handler;
    handler.setChange(11, 3, 3, 3);
    EXPECT_EQ(handler.process(current), 0u);
    EXPECT_EQ(&paragraphProperties(), &properties);
    EXPECT_EQ(properties.getHorizontalAlignment(), kAlignLeft);
    EXPECT_EQ(properties.getTabs(), nullptr);
    EXPECT_EQ(indents(), CIndents());
}

TEST_F(ChangeParaTest, ADropCapGivenToTheParagraphReachesItsProperties)
{
    // As the frame change does for a drop cap frame.
    CDropCap dropCap;
    dropCap.setEnabled(true);
    paragraph().setDropCap(dropCap);
    CDropCap stored;
    EXPECT_TRUE(paragraphProperties().getDropCap(stored).isEnabled());
}

// Border and shading records in the chunk's data list. The first record is
// padding, so that the records have ids other than 0.
class ParagraphRecords : public ChangeParaTest {
protected:
    ParagraphRecords()
        : ChangeParaTest("record 3 0xDEADBEEF\n"
                         "@borders record 3 0xFFFFFFFF"
                         "  20 0x00FF0000 0x42 1 2"      // top: double, with priority
                         "  15 0x000000FF 1 0 0"         // left: none
                         "  10 0x0000FF00 32 3 4"        // bottom: dotted
                         "  5 0x00010203 999 0 0"        // right: unknown style
                         "  1 2 3 4 5\n"
                         "@shading record 3 7 3 0x00332211 0x00FFEEDD 0\n"
                         "paragraph borders @borders\n"
                         "paragraph shading @shading\n")
    {
    }

    CBorder side(CBorder& (CRectangularBorders::*get)(CBorder&) const)
    {
        CGridBorders borders;
        paragraphProperties().getBorders(borders);
        CBorder border;
        return (borders.*get)(border);
    }
};

TEST_F(ParagraphRecords, BordersAreReadFromTheHandlersDataList)
{
    runListing();
    CBorder top = side(&CRectangularBorders::getTop);
    CDimension length;
    CColor color;
    EXPECT_EQ(top.getLineType(), kLineDouble);
    EXPECT_TRUE(top.getPriority());
    EXPECT_EQ(top.getThickness(length), CDimension(kDimensionExact, 20));
    EXPECT_EQ(top.getInsideSpacing(length), CDimension(kDimensionExact, 1));
    EXPECT_EQ(top.getOutsideSpacing(length), CDimension(kDimensionExact, 2));
    EXPECT_EQ(top.getLineColor(color), CColor(0, 0, 0xFF));
    EXPECT_EQ(side(&CRectangularBorders::getLeft).getLineType(), kLineNone);
    EXPECT_EQ(side(&CRectangularBorders::getLeft).getLineColor(color), CColor(0xFF, 0, 0));
    EXPECT_FALSE(side(&CRectangularBorders::getLeft).getPriority());
    CBorder bottom = side(&CRectangularBorders::getBottom);
    EXPECT_EQ(bottom.getLineType(), kLineDotted);
    EXPECT_EQ(bottom.getOutsideSpacing(length), CDimension(kDimensionExact, 4));
    CBorder right = side(&CRectangularBorders::getRight);
    EXPECT_EQ(right.getLineType(), kLineNone) << "an unknown style leaves the fresh border's line";
    EXPECT_EQ(right.getThickness(length), CDimension(kDimensionExact, 5));
    EXPECT_EQ(right.getLineColor(color), CColor(3, 2, 1));
}

TEST_F(ParagraphRecords, ShadingIsConvertedOnlyWhenItIsOn)
{
    runListing();
    CShading shading;
    paragraphProperties().getShading(shading);
    EXPECT_EQ(shading.getType(), kShadingPattern2);
    CColor color;
    EXPECT_EQ(shading.getForegroundPatternColor(color), CColor(0x11, 0x22, 0x33));
    EXPECT_EQ(shading.getBackgroundPatternColor(color), CColor(0xDD, 0xEE, 0xFF));

    // "No shading" still names its record, whose colours are not taken.
    change(59, 0, 0);
    paragraphProperties().getShading(shading);
    EXPECT_EQ(shading.getType(), kShadingNone);
    EXPECT_EQ(shading.getForegroundPatternColor(color), CColor());
}

TEST_F(ParagraphRecords, ARecordOutsideTheDataListFails)
{
    try {
        change(58, 0, 0xFFFF);
        FAIL() << "no failure";
    } catch (const ExChunkerFailed& failure) {
        EXPECT_STREQ(failure.getErrorString(), "REQUIRE_1: locErr == TRXERR_OK\n\tFile: ChIList  ln(101)");
    }
}

} // namespace
