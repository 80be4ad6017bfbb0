// Breaks on trees built as the reader builds them: what is closed, what is
// discarded, where the text continues and with which formatting.
#include "FailureOf.h"
#include "ReaderTreeFixture.h"

#include "chunker/WordTableRowNode.h"
#include "core/Exceptions.h"
#include "model/EndOfParagraphCSNode.h"
#include "model/TableNodes.h"

namespace {

using namespace readertest;

constexpr uint32_t kBreak = 0;

// A host cell format record with the fields a row end reads.
std::vector<unsigned char> cellRecord(uint32_t width, uint32_t mergeFlags, uint32_t alignment, uint32_t topBorderStyle)
{
    std::vector<unsigned char> record(CHRECORD_SIZE_CELL_FORMAT);
    auto put = [&record](std::size_t offset, uint32_t word) {
        for (std::size_t i = 0; i < 4; ++i)
            record[offset + i] = static_cast<unsigned char>(word >> (24 - 8 * i));
    };
    put(8, 30);
    put(12, 40);
    put(16, width);
    put(20, mergeFlags);
    put(44, alignment << 16);
    put(88 + 8, topBorderStyle);
    return record;
}

class ChangeBreakTest : public LayoutChangeFixture {
protected:
    // Wraps the cursor paragraph into a table, as a begin-table change does.
    CWordTableRowNode* putCursorInTable()
    {
        INode* table = factory.createNode(kTableNode);
        auto* row = dynamic_cast<CWordTableRowNode*>(factory.createNode(kTableRowNode));
        INode* cell = factory.createNode(kTableCellNode);
        section->detachNode(cursor);
        section->attachNode(table);
        table->attachNode(row);
        row->attachNode(cell);
        cell->attachNode(cursor);
        return row;
    }
};

TEST_F(ChangeBreakTest, ParagraphEndsKeepEmptyParagraphsAndCarryTheFormattingForward)
{
    running().setBold(true);
    addText("a");
    change(kBreak, 1);
    change(kBreak, 1);

    const auto paragraphs = childrenOf(section);
    ASSERT_EQ(paragraphs.size(), 3u);
    EXPECT_TRUE(paragraphs[0]->isDone());
    EXPECT_TRUE(paragraphs[1]->isDone()) << "an empty paragraph still ends a line";
    EXPECT_TRUE(paragraphs[1]->isEmpty());
    EXPECT_EQ(paragraphs[2], cursor);
    EXPECT_FALSE(cursor->arePropertiesDone());
    for (INode* node : paragraphs) {
        EXPECT_TRUE(dynamic_cast<CWordParagraphNode&>(*node).getStrandProperties()->isBold());
    }
    auto& ended = dynamic_cast<CWordParagraphNode&>(*paragraphs[1]);
    IEndOfParagraphCSContent* marker = ended.getProperties()->getEndMarker();
    ASSERT_NE(marker, nullptr);
    EXPECT_TRUE(marker->getProperties()->isBold());
    EXPECT_NE(marker->getProperties(), ended.getStrandProperties()) << "the mark has a copy";
}

TEST_F(ChangeBreakTest, RowEndGivesTheCellsTheirFormatsAndOpensTheNextRow)
{
    CWordTableRowNode* row = putCursorInTable();
    INode* table = row->getParentNode();
    row->setNumberCells(3);
    for (const auto& record :
        { cellRecord(1000, 0x03, 3, 2), cellRecord(2000, 0x04, 1, 0), cellRecord(3000, 0x0A, 2, 0) })
        row->setNextCellInfo(record.data());

    addText("a");
    change(kBreak, 20);
    change(kBreak, 20);
    addText("c");
    change(kBreak, 20);
    change(kBreak, 19);

    const auto rows = childrenOf(table);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_TRUE(row->isDone());
    const auto cells = childrenOf(row);
    ASSERT_EQ(cells.size(), 3u) << "the cell opened by the last cell end goes";
    EXPECT_TRUE(cells[1]->isEmpty()) << "an empty paragraph goes at a cell end";
    const EMergeHorizontal horizontal[] = { kMergedWithCellsBeforeAndAfter, kNoHorizontalMerge, kMergedWithCellAfter };
    const EMergeVertical vertical[] = { kNoVerticalMerge, kMergedWithCellAbove, kMergedWithCellBelow };
    const EVerticalAlignment alignment[] = { kVerticalAlignBottom, kVerticalAlignTop, kVerticalAlignCenter };
    for (std::size_t i = 0; i < cells.size(); ++i) {
        auto& cell = dynamic_cast<ITableCellContent&>(*cells[i]->getIContent());
        CDimension length;
        EXPECT_EQ(cell.getWidth(length), CDimension(kDimensionExact, 1000 * static_cast<int32_t>(i + 1)));
        EXPECT_EQ(cell.getRightGutter(length), CDimension(kDimensionExact, 40));
        EXPECT_EQ(cell.getMergeHorizontal(), horizontal[i]) << i;
        EXPECT_EQ(cell.getMergeVertical(), vertical[i]) << i;
        EXPECT_EQ(cell.getVerticalAlignment(), alignment[i]) << i;
    }
    CRectangularBorders borders;
    CBorder top;
    dynamic_cast<ITableCellContent&>(*cells[0]->getIContent()).getBorders(borders).getTop(top);
    EXPECT_EQ(top.getLineType(), kLineDouble);

    const auto nextCells = childrenOf(rows[1]);
    ASSERT_EQ(nextCells.size(), 1u);
    EXPECT_EQ(childrenOf(nextCells[0]), std::vector<INode*> { cursor });
}

TEST_F(ChangeBreakTest, SectionBreakInsideATableRowFails)
{
    putCursorInTable();
    addText("a");
    EXPECT_EQ(messageOf<ExNodeParsingError>([this] { change(kBreak, 22); }),
        "REQUIRE: pNodeParent->getContentInterfaceID() != kTableRowNode\n\tFile: ChCBreak  ln(399)");
}

TEST_F(ChangeBreakTest, DocumentEndClosesEverythingAndEndsReading)
{
    EXPECT_EQ(change(kBreak, 2), 37u);
    EXPECT_EQ(root, nullptr) << "the finished document is written and released";
    EXPECT_EQ(log, (Log { "S1{0 columns, start 0", "}S1" })) << "the empty last paragraph goes";
}

TEST_F(ChangeBreakTest, DocumentEndInsideANoteOrAHeaderIsMisformed)
{
    INode* text = cursor;
    const std::pair<EContentInterfaceID, const char*> cases[] = {
        { kNoteCSNode, "REQUIRE: pNodeParent->getContentInterfaceID() != kNoteCSNode\n\tFile: ChCBreak  ln(470)" },
        { kHeaderFooterNode,
            "REQUIRE: pNodeParent->getContentInterfaceID() != kHeaderFooterNode\n\tFile: ChCBreak  ln(469)" },
    };
    for (const auto& [kind, message] : cases) {
        INode* holder = factory.createNode(kind);
        text->attachNode(holder);
        cursor = factory.createNode(kParagraphNode);
        holder->attachNode(cursor);
        addText("note");
        EXPECT_EQ(messageOf<ExMisformedChunkerDataError>([this] { change(kBreak, 2); }), message);
        EXPECT_FALSE(root->isDone());
    }
}

TEST_F(ChangeBreakTest, OnlyTheFirstDocumentPropertiesMarkCounts)
{
    change(kBreak, 254);
    EXPECT_TRUE(root->arePropertiesDone());

    INode* otherDocument = own(factory.createNode(kDocumentNode));
    cursor = factory.createNode(kParagraphNode);
    otherDocument->attachNode(cursor);
    change(kBreak, 254);
    EXPECT_FALSE(otherDocument->arePropertiesDone());
}

} // namespace
