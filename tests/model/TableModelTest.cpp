#include "ModelNodes.h"

#include <gtest/gtest.h>

namespace {

class TableModel : public ::testing::Test {
protected:
    TableModel() { registerModelNodes(factory); }

    // A cell of the given width with distinct gutters, merges, alignment,
    // borders and shading, holding one paragraph.
    CTableCellNode* cell(int32_t width)
    {
        auto* node = create<CTableCellNode>(factory);
        node->setWidth(CDimension(kDimensionExact, width));
        node->setLeftGutter(CDimension(kDimensionExact, 108));
        node->setRightGutter(CDimension(kDimensionExact, 72));
        node->setMergeHorizontal(kMergedWithCellAfter);
        node->setMergeVertical(kMergedWithCellAbove);
        node->setVerticalAlignment(kVerticalAlignCenter);
        CRectangularBorders borders;
        borders.setTop(CBorder(kLineDouble));
        node->setBorders(borders);
        CShading shading;
        shading.setType(kShadingSolid);
        node->setShading(shading);
        node->attachNode(factory.createNode(kParagraphNode));
        return node;
    }

    CTableRowNode* row(std::initializer_list<int32_t> widths)
    {
        auto* node = create<CTableRowNode>(factory);
        node->setHeaderState(true);
        node->setSplitState(false);
        node->setHorizontalAlignment(kTableAlignCenter);
        node->setHeight(CDimension(kDimensionAtLeast, 240));
        node->setLeft(COffset(kOffsetFromLeftMargin, 720));
        for (int32_t width : widths)
            node->attachNode(cell(width));
        return node;
    }

    CNodeFactory factory;
};

void expectSameCell(CTableCellNode& copy, CTableCellNode& original)
{
    EXPECT_NE(&copy, &original);
    CDimension a, b;
    EXPECT_EQ(copy.getWidth(a), original.getWidth(b));
    EXPECT_EQ(copy.getLeftGutter(a), original.getLeftGutter(b));
    EXPECT_EQ(copy.getRightGutter(a), original.getRightGutter(b));
    EXPECT_EQ(copy.getMergeHorizontal(), original.getMergeHorizontal());
    EXPECT_EQ(copy.getMergeVertical(), original.getMergeVertical());
    EXPECT_EQ(copy.getVerticalAlignment(), original.getVerticalAlignment());
    CRectangularBorders bordersA, bordersB;
    EXPECT_EQ(copy.getBorders(bordersA), original.getBorders(bordersB));
    CShading shadingA, shadingB;
    EXPECT_EQ(copy.getShading(shadingA), original.getShading(shadingB));
}

void expectSameRowAttributes(CTableRowNode& copy, CTableRowNode& original)
{
    EXPECT_EQ(copy.isHeader(), original.isHeader());
    EXPECT_EQ(copy.canSplit(), original.canSplit());
    EXPECT_EQ(copy.getHorizontalAlignment(), original.getHorizontalAlignment());
    CDimension heightA, heightB;
    EXPECT_EQ(copy.getHeight(heightA), original.getHeight(heightB));
    COffset leftA, leftB;
    EXPECT_EQ(copy.getLeft(leftA), original.getLeft(leftB));
}

TEST_F(TableModel, ClonesCopyTheAttributesAndWithChildrenRowsCellsAndParagraphs)
{
    auto* table = create<CTableNode>(factory);
    table->setHorizontalAlignment(kTableAlignRight);
    const CGridBorders borders{CBorder(kLineDotted)};
    table->setBorders(borders);
    table->attachNode(row({1440, 2880}));
    table->attachNode(row({4320}));

    auto& copy = nodeAs<CTableNode>(table->clone(INode::kCloneWithChildren));
    EXPECT_EQ(copy.getHorizontalAlignment(), kTableAlignRight);
    CGridBorders copiedBorders;
    EXPECT_EQ(copy.getBorders(copiedBorders), borders);

    const std::vector<INode*> rows = childrenOf(&copy);
    const std::vector<INode*> originalRows = childrenOf(table);
    ASSERT_EQ(rows.size(), 2u);
    for (size_t r = 0; r < rows.size(); ++r) {
        EXPECT_NE(rows[r], originalRows[r]);
        expectSameRowAttributes(nodeAs<CTableRowNode>(rows[r]), nodeAs<CTableRowNode>(originalRows[r]));
        const std::vector<INode*> cells = childrenOf(rows[r]);
        const std::vector<INode*> originalCells = childrenOf(originalRows[r]);
        ASSERT_EQ(cells.size(), originalCells.size());
        for (size_t c = 0; c < cells.size(); ++c) {
            expectSameCell(nodeAs<CTableCellNode>(cells[c]), nodeAs<CTableCellNode>(originalCells[c]));
            EXPECT_EQ(childrenOf(cells[c]).size(), 1u);
        }
    }

    // The reader continues with clone(0) of the row and cell at every row end.
    INode* rowCopy = originalRows[0]->clone(INode::kCloneNodeOnly);
    EXPECT_TRUE(rowCopy->isEmpty());
    expectSameRowAttributes(nodeAs<CTableRowNode>(rowCopy), nodeAs<CTableRowNode>(originalRows[0]));
    INode* originalCell = childrenOf(originalRows[0])[0];
    INode* cellCopy = originalCell->clone(INode::kCloneNodeOnly);
    EXPECT_TRUE(cellCopy->isEmpty());
    expectSameCell(nodeAs<CTableCellNode>(cellCopy), nodeAs<CTableCellNode>(originalCell));

    for (INode* node : {static_cast<INode*>(table), static_cast<INode*>(&copy), rowCopy, cellCopy})
        node->release();
}

} // namespace
