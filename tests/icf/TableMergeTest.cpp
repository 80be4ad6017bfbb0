// Merged table cells: the first cell of a merge is written with the number
// of cells it spans across and down, and rows of a vertical merge wait in
// the table until the merge has ended.
#include "icf/ICFNodeWriterCreator.h"
#include "icf/ICFTableNodeWriters.h"

#include "ICFBytes.h"
#include "ICFOutputFixture.h"

#include "model/SectionNode.h"
#include "model/TableNodes.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// A parent that lets its table write at once.
class COpenParentWriter : public CICFNodeWriter {
public:
    bool canChildWrite(INode*) override { return true; }
};

using CellMerges = std::vector<std::pair<EMergeHorizontal, EMergeVertical>>;

// The parameters of each "BCO" in the output, in order, separated by spaces.
std::vector<std::string> cellStarts(const std::string& bytes)
{
    const std::string name = CI "BCO";
    std::vector<std::string> starts;
    for (size_t at = bytes.find(name); at != std::string::npos; at = bytes.find(name, at + 1)) {
        const size_t begin = at + name.size();
        std::string parameters = bytes.substr(begin, bytes.find(CE[0], begin) - begin - 1);
        for (char& byte : parameters)
            byte = byte == PE[0] ? ' ' : byte;
        starts.push_back(parameters);
    }
    return starts;
}

class TableMergeTest : public ICFOutputFixture {
protected:
    TableMergeTest()
    {
        makeNodes<CSectionNode, CTableNode, CTableRowNode, CTableCellNode>();
        writer.initialize(&stream, registrar());
        registrar()->registerNodeWriterCreator(new TNodeWriterCreator<COpenParentWriter, kSectionNode>);
        section = factory.createNode(kSectionNode);
        table = factory.createNode(kTableNode);
        section->attachNode(table);
        table->propertiesDone();
    }

    ~TableMergeTest() override { section->release(); }

    INode* addRow(const CellMerges& merges)
    {
        INode* row = factory.createNode(kTableRowNode);
        table->attachNode(row);
        for (const auto& [across, down] : merges) {
            INode* cell = factory.createNode(kTableCellNode);
            auto& content = dynamic_cast<ITableCellContent&>(*cell->getIContent());
            content.setWidth(CDimension(kDimensionExact, 1440));
            content.setMergeHorizontal(across);
            content.setMergeVertical(down);
            row->attachNode(cell);
        }
        return row;
    }

    bool tableIsEmpty() { return table->getFirstChild() == table->getTermChild(); }

    INode* section = nullptr;
    INode* table = nullptr;
};

TEST_F(TableMergeTest, HorizontalMergeSpansFromItsFirstCell)
{
    addRow({{kMergedWithCellAfter, kNoVerticalMerge},
            {kMergedWithCellsBeforeAndAfter, kNoVerticalMerge},
            {kMergedWithCellBefore, kNoVerticalMerge},
            {kMergedWithCellBefore, kNoVerticalMerge}})
        ->done();

    EXPECT_EQ(cellStarts(output()),
              (std::vector<std::string>{"1 3 1 0 0 0 0", "2 1 1 0 0 0 0", "3 1 1 0 0 0 0", "4 1 1 0 0 0 0"}))
        << "the merge ends at the third cell; the fourth has no merge to join and starts its own";
}

TEST_F(TableMergeTest, RowsOfAVerticalMergeWaitUntilItEnds)
{
    addRow({{kNoHorizontalMerge, kMergedWithCellBelow}, {kNoHorizontalMerge, kNoVerticalMerge}})->done();
    addRow({{kNoHorizontalMerge, kMergedWithCellsAboveAndBelow}, {kNoHorizontalMerge, kNoVerticalMerge}})->done();
    EXPECT_EQ(output(), "") << "the merge is still open";

    addRow({{kMergedWithCellBefore, kMergedWithCellAbove}, {kNoHorizontalMerge, kNoVerticalMerge}})->done();
    EXPECT_EQ(cellStarts(output()), (std::vector<std::string>{"1 1 3 0 0 0 0", "2 1 1 0 0 0 0", "1 1 1 0 0 0 0",
                                                                  "2 1 1 0 0 0 0", "1 1 1 1 0 0 0", "2 1 1 0 0 0 0"}))
        << "merged across and down: merge code 1";
    EXPECT_TRUE(tableIsEmpty()) << "written rows are released";

    output().clear();
    addRow({{kNoHorizontalMerge, kMergedWithCellBelow}})->done();
    EXPECT_EQ(output(), "");
    table->done();
    const std::string ending = CI "HCB" CE CI "ECM" CE;
    EXPECT_EQ(cellStarts(output()), (std::vector<std::string>{"1 1 1 0 0 0 0"})) << "the table's end ends the merge";
    EXPECT_EQ(output().substr(output().size() - ending.size()), ending);
}

} // namespace
