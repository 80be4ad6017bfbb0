// Paragraph changes: alignment, indents, spacing, tabs, hyphenation, keep,
// borders and shading records, widow and orphan control.
#include "FailureOf.h"
#include "ReaderTreeFixture.h"

#include "chunker/ChangePara.h"
#include "core/Exceptions.h"
#include "model/Shading.h"

namespace {

using namespace readertest;

class ChangeParaTest : public ChangeHandlerFixture {
protected:
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

TEST_F(ChangeParaTest, NegativeIndentsAndAnUnknownIndent)
{
    change(13, 720, 360, 0xFFFFFF10);
    COffset offset;
    EXPECT_EQ(indents().getFirstLineOffset(offset), COffset(kOffsetFromLeftMargin, -240));
    const CIndents before = indents();
    change(97, 3, 0, 300);
    EXPECT_EQ(indents(), before) << "an unknown indent changes nothing";
}

TEST_F(ChangeParaTest, LineSpacingKinds)
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
    // Kind 9 counts as kind 1, the bar flag wins over the kind, and only the
    // low byte is the kind.
    const ETabTypes types[] = {kTabLeft, kTabRight, kTabCenter, kTabDecimal, kTabLeft, kTabBar, kTabBar, kTabLeft};
    for (size_t i = 0; i < std::size(types); ++i)
        EXPECT_EQ(tab(i).getType(), types[i]) << "tab " << i;

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
    change(102, 1000, 10);
    EXPECT_EQ(paragraphProperties().getTabs(), nullptr) << "without tabs nothing is created";
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
    EXPECT_EQ(handler.process(cursor), 0u);
    EXPECT_EQ(&paragraphProperties(), &properties);
    EXPECT_EQ(properties.getHorizontalAlignment(), kAlignLeft);
    EXPECT_EQ(properties.getTabs(), nullptr);
    EXPECT_EQ(indents(), CIndents());
}

// Shading records in the chunk's data list. The first record is padding,
// so that the shading record has an id other than 0.
class ParagraphRecords : public ChangeHandlerFixture {
protected:
    ParagraphRecords()
        : ChangeHandlerFixture("record 3 0xDEADBEEF\n"
                         "@shading record 3 7 3 0x00332211 0x00FFEEDD 0\n"
                         "paragraph shading @shading\n")
    {
    }
};

TEST_F(ParagraphRecords, NoShadingTakesNothingFromItsRecord)
{
    runListing();
    // "No shading" still names its record, whose colours are not taken.
    change(59, 0, 0);
    CShading shading;
    CColor color;
    paragraphProperties().getShading(shading);
    EXPECT_EQ(shading.getType(), kShadingNone);
    EXPECT_EQ(shading.getForegroundPatternColor(color), CColor());
}

TEST_F(ParagraphRecords, ARecordOutsideTheDataListFails)
{
    EXPECT_EQ(messageOf<ExChunkerFailed>([&] { change(58, 0, 0xFFFF); }),
              "REQUIRE_1: locErr == TRXERR_OK\n\tFile: ChIList  ln(101)");
}

} // namespace
