// Table changes where no whole document takes them: broken trees, rows
// given the wrong number of cell formats, damaged row formats and the
// reading of the row format's fields.
#include "FailureOf.h"
#include "ReaderTreeFixture.h"

#include "chunker/WordTableRowNode.h"
#include "core/Exceptions.h"
#include "model/TableNodes.h"

#include <cstring>

namespace {

using namespace readertest;

constexpr uint32_t kBeginTable = 16;
constexpr uint32_t kEndTable = 17;
constexpr uint32_t kRowFormat = 18;
constexpr uint32_t kCellFormat = 19;

// Row formats 0 to 3 and cell formats 0 to 3 (widths 10, 20, 30, 40).
const std::string kFormats = R"(
    record row format header left -360 height 240 at least align right cells 3
    record row format height 300 exact align 7 cells 2
    record row format height 300 at 12 5 cells 4096
    record row format at 24 4097    # more cells than a count may give: damaged
    record cell format width 10
    record cell format width 20
    record cell format width 30
    record cell format width 40
)";

constexpr std::size_t kCellWidth = 16;

class ChangeTableTest : public ChangeHandlerFixture {
protected:
    ChangeTableTest() : ChangeHandlerFixture(kFormats) {}

    CWordTableRowNode& row() { return dynamic_cast<CWordTableRowNode&>(*cursor->getParentNode()->getParentNode()); }

    // The cell widths the row holds, from their records.
    std::vector<uint32_t> widths()
    {
        std::vector<uint32_t> values;
        for (uint32_t i = 0; i < row().getNumberCells(); ++i)
            values.push_back(readBigEndian32(row().getCellInfo(i), kCellWidth));
        return values;
    }

    // The message a change on a `node` outside the tree fails with.
    std::string failureOn(INode* node, uint32_t type)
    {
        return messageOf<ExNodeParsingError>([&] { handler(type).process(node); });
    }

    // A row and cell holding a paragraph, under a table when `inTable`;
    // released with the fixture. The paragraph is returned.
    INode* looseRow(bool inTable)
    {
        INode* top = own(factory.createNode(inTable ? kTableNode : kTableRowNode));
        INode* row = top;
        if (inTable)
            top->attachNode(row = factory.createNode(kTableRowNode));
        INode* cell = factory.createNode(kTableCellNode);
        row->attachNode(cell);
        cell->attachNode(factory.createNode(kParagraphNode));
        return *cell->getFirstChild();
    }
};

TEST_F(ChangeTableTest, ChangesOnATreeWithoutTheirTableFailWithTheirAssertion)
{
    EXPECT_EQ(failureOn(own(factory.createNode(kParagraphNode)), kBeginTable),
              "REQUIRE: pNodeParent != NULL\n\tFile: ChCTable  ln(64)");
    EXPECT_EQ(failureOn(cursor, kEndTable), "REQUIRE: pNodeRow != NULL\n\tFile: ChCTable  ln(150)");
    EXPECT_EQ(failureOn(looseRow(false), kEndTable), "REQUIRE: pNodeTable != NULL\n\tFile: ChCTable  ln(153)");
    EXPECT_EQ(failureOn(looseRow(true), kEndTable), "REQUIRE: pNodeParent != NULL\n\tFile: ChCTable  ln(160)");
    EXPECT_EQ(failureOn(cursor, kRowFormat), "REQUIRE: pNodeCell != NULL\n\tFile: ChCTable  ln(219)");
    EXPECT_EQ(failureOn(cursor, kCellFormat), "REQUIRE: pNodeCell != NULL\n\tFile: ChCTable  ln(316)");
    INode* cell = own(factory.createNode(kTableCellNode));
    cell->attachNode(factory.createNode(kParagraphNode));
    EXPECT_EQ(failureOn(*cell->getFirstChild(), kRowFormat), "REQUIRE: pNodeRow != NULL\n\tFile: ChCTable  ln(221)");
    EXPECT_EQ(failureOn(*cell->getFirstChild(), kCellFormat), "REQUIRE: pNodeRow != NULL\n\tFile: ChCTable  ln(318)");
}

TEST_F(ChangeTableTest, ARowTakesAsManyCellFormatsAsItsRowFormatAnnounces)
{
    const std::string tooMany = "REQUIRE: dwCurrentCellInfoPos < dwNumCells\n\tFile: ChNodes  ln(1956)";
    change(kBeginTable);
    EXPECT_EQ(messageOf<ExMisformedChunkerDataError>([this] { change(kCellFormat, 0); }), tooMany)
        << "a cell format before the row's format";
    change(kRowFormat, 0);
    for (uint32_t id : {0, 1, 2})
        change(kCellFormat, id);
    EXPECT_EQ(widths(), (std::vector<uint32_t>{10, 20, 30}));
    EXPECT_EQ(messageOf<ExMisformedChunkerDataError>([this] { change(kCellFormat, 3); }), tooMany);

    change(kRowFormat, 1);
    EXPECT_EQ(widths(), (std::vector<uint32_t>{0, 0})) << "a second row format starts the row's records afresh";
    change(kCellFormat, 3);
    EXPECT_EQ(widths(), (std::vector<uint32_t>{40, 0}));
}

TEST_F(ChangeTableTest, ARowFormatAnnouncingTooManyCellsIsMisformed)
{
    change(kBeginTable);
    change(kRowFormat, 2);
    EXPECT_EQ(row().getNumberCells(), CWordTableRowNode::kMaxCellsPerRow);
    EXPECT_EQ(messageOf<ExMisformedChunkerDataError>([this] { change(kRowFormat, 3); }),
              "REQUIRE: dwNumCells <= kMaxCellsPerRow\n\tFile: ChNodes");
}

TEST_F(ChangeTableTest, FormatIdsOutsideTheirListsFail)
{
    change(kBeginTable);
    EXPECT_EQ(messageOf<ExMisformedChunkerDataError>([this] { change(kRowFormat, 4); }),
              "REQUIRE: locErr == TRXERR_OK\n\tFile: ChCTable");
    const auto failure = failureOf<ExChunkerFailed>([this] { change(kCellFormat, 5); });
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->getTrxErrNumber(), uint32_t{TRXERR_BADPARAM});
}

TEST_F(ChangeTableTest, RowFormatFieldsBecomeTheRowsProperties)
{
    change(kBeginTable);
    struct Expected {
        bool header;
        ETableHorizontalAlignment alignment;
        CDimension height;
    };
    const Expected expected[] = {
        {true, kTableAlignRight, CDimension(kDimensionAtLeast, 240)},
        {false, kTableAlignDefault, CDimension(kDimensionExact, 300)},
        {false, kTableAlignDefault, CDimension(kDimensionAuto, 300)},
    };
    for (uint32_t id = 0; id < 3; ++id) {
        change(kRowFormat, id);
        CDimension height;
        EXPECT_EQ(row().isHeader(), expected[id].header) << id;
        EXPECT_EQ(row().getHorizontalAlignment(), expected[id].alignment) << id;
        EXPECT_EQ(row().getHeight(height), expected[id].height) << id;
    }
    change(kRowFormat, 0);
    COffset left;
    EXPECT_EQ(row().getLeft(left), COffset(kOffsetFromLeftMargin, -360));
}

} // namespace
