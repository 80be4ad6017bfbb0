// Breaks on trees built as the reader builds them: what is closed, what is
// discarded, where the text continues and with which formatting.
#include "FailureOf.h"
#include "ReaderTreeFixture.h"

#include "core/Exceptions.h"
#include "model/EndOfParagraphCSNode.h"

namespace {

using namespace readertest;

constexpr uint32_t kBreak = 0;

class ChangeBreakTest : public LayoutChangeFixture {
protected:
    // Wraps the cursor paragraph into a table, as a begin-table change does.
    void putCursorInTable()
    {
        INode* table = factory.createNode(kTableNode);
        INode* row = factory.createNode(kTableRowNode);
        INode* cell = factory.createNode(kTableCellNode);
        section->detachNode(cursor);
        section->attachNode(table);
        table->attachNode(row);
        row->attachNode(cell);
        cell->attachNode(cursor);
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
    EXPECT_EQ(log, (Log{"S1{0 columns, start 0", "}S1"})) << "the empty last paragraph goes";
}

TEST_F(ChangeBreakTest, DocumentEndInsideAnUnclosedSubDocumentStyleOrSummaryIsMisformed)
{
    INode* text = cursor;
    const std::pair<EContentInterfaceID, const char*> cases[] = {
        {kNoteCSNode, "REQUIRE: pNodeParent->getContentInterfaceID() != kNoteCSNode\n\tFile: ChCBreak  ln(470)"},
        {kHeaderFooterNode,
         "REQUIRE: pNodeParent->getContentInterfaceID() != kHeaderFooterNode\n\tFile: ChCBreak  ln(469)"},
        {kStrandStyleNode, "REQUIRE: pNodeParent is not a style\n\tFile: ChCBreak"},
        {kDocumentSummaryNode, "REQUIRE: pNodeParent is not a summary item\n\tFile: ChCBreak"},
        {kCommentCSNode, "REQUIRE: pNodeParent->getContentInterfaceID() != kCommentCSNode\n\tFile: ChCBreak"},
        {kFrameCSNode, "REQUIRE: pNodeParent->getContentInterfaceID() != kFrameCSNode\n\tFile: ChCBreak"},
        // A nested paragraph whose tag never ended.
        {kParagraphNode, "REQUIRE: pNodeParent->getContentInterfaceID() != kParagraphNode\n\tFile: ChCBreak"},
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
