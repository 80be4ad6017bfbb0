#include "chunker/ChangeTable.h"

#include "chunker/HostRecords.h"
#include "chunker/NodeEditing.h"
#include "chunker/WordTableRowNode.h"
#include "core/Exceptions.h"
#include "model/NodeFactory.h"
#include "model/NodeUtilities.h"
#include "model/PendingNode.h"
#include "model/TableNodes.h"
#include "trx/changes.h"
#include "trx/platform.h"

namespace {

constexpr const char* kBeginOutsideTree = "REQUIRE: pNodeParent != NULL\n\tFile: ChCTable  ln(64)";
constexpr const char* kEndOutsideRow = "REQUIRE: pNodeRow != NULL\n\tFile: ChCTable  ln(150)";
constexpr const char* kEndOutsideTable = "REQUIRE: pNodeTable != NULL\n\tFile: ChCTable  ln(153)";
constexpr const char* kTableOutsideTree = "REQUIRE: pNodeParent != NULL\n\tFile: ChCTable  ln(160)";
constexpr const char* kRowFormatOutsideCell = "REQUIRE: pNodeCell != NULL\n\tFile: ChCTable  ln(219)";
constexpr const char* kRowFormatOutsideRow = "REQUIRE: pNodeRow != NULL\n\tFile: ChCTable  ln(221)";
constexpr const char* kCellFormatOutsideCell = "REQUIRE: pNodeCell != NULL\n\tFile: ChCTable  ln(316)";
constexpr const char* kCellFormatOutsideRow = "REQUIRE: pNodeRow != NULL\n\tFile: ChCTable  ln(318)";
// The change names a record at the end of its list, where the host has none.
constexpr const char* kFormatMissing = "REQUIRE: locErr == TRXERR_OK\n\tFile: ChCTable";

static_assert(holdsField(CHRECORD_SIZE_ROW_FORMAT, CHROW_CELLS), "the row format fields lie in their record");

EDimensionTypes heightType(uint32_t code)
{
    switch (code) {
    case CHROW_HEIGHT_AT_LEAST:
        return kDimensionAtLeast;
    case CHROW_HEIGHT_EXACT:
        return kDimensionExact;
    default:
        return kDimensionAuto;
    }
}

ETableHorizontalAlignment rowAlignment(uint32_t code)
{
    switch (code) {
    case kTableAlignLeft:
    case kTableAlignCenter:
    case kTableAlignRight:
        return static_cast<ETableHorizontalAlignment>(code);
    default:
        return kTableAlignDefault;
    }
}

// The row of the cell that holds the cursor; a cursor outside a table
// cell raises `outsideCell`, a cell outside a row `outsideRow`.
CWordTableRowNode& currentRow(INode* cursor, const char* outsideCell, const char* outsideRow)
{
    INode* cell = cursor->getParentNode();
    if (!cell || cell->getContentInterfaceID() != kTableCellNode)
        throw ExNodeParsingError(outsideCell);
    auto* row = dynamic_cast<CWordTableRowNode*>(cell->getParentNode());
    if (!row)
        throw ExNodeParsingError(outsideRow);
    return *row;
}

// Reads the record the change names; a record past the list's end is
// misformed data, a call the host refuses raises ExChunkerFailed with the
// host's code.
template <class List>
void readFormat(List& list, uint32_t id)
{
    list.moveToElementById(id);
    if (list.getNextElement() != TRXERR_OK)
        throw ExMisformedChunkerDataError(kFormatMissing);
}

} // namespace

// The cursor paragraph becomes the first paragraph of the table's first
// cell and stays the cursor.
uint32_t CChangeBeginTable::process(INode*& current)
{
    INode* parent = requireParent(current, kBeginOutsideTree);
    INodeFactory* factory = current->getNodeFactory();
    CPendingNode table(factory->createNode(kTableNode));
    CPendingNode row(factory->createNode(kTableRowNode));
    CPendingNode cell(factory->createNode(kTableCellNode));
    parent->detachNode(current);
    // Owned while it is out of the tree: a failure before it is in the cell
    // releases it rather than losing it.
    CPendingNode moved(current);
    parent->attachNode(table.get());
    table.get()->attachNode(row.get());
    row.take()->attachNode(cell.get());
    cell.take()->attachNode(moved.get());
    moved.take();
    table.take()->propertiesDone();
    return 0;
}

// The row that holds the cursor was opened by the table's last row end and
// holds nothing of the document: it goes, and the text continues after the
// table in a copy of the cursor paragraph.
uint32_t CChangeEndTable::process(INode*& current)
{
    CPendingNode next(current->clone(INode::kCloneNodeOnly));
    INode* row = CNodeUtilities::findParent(current, kTableRowNode);
    if (!row)
        throw ExNodeParsingError(kEndOutsideRow);
    INode* table = requireParent(row, kEndOutsideTable);
    // Checked before the row goes, so that a failure leaves the cursor whole.
    INode* parent = requireParent(table, kTableOutsideTree);
    row->release();
    table->done();
    parent->attachNode(next.get());
    current = next.take();
    return 0;
}

uint32_t CChangeRowFormat::process(INode*& current)
{
    CWordTableRowNode& row = currentRow(current, kRowFormatOutsideCell, kRowFormatOutsideRow);
    readFormat(m_rowFormats, getValue1());
    const unsigned char* record = m_rowFormats.getRowInfo();
    row.setNumberCells(readBigEndian32(record, CHROW_CELLS));
    row.setHeaderState((readBigEndian32(record, CHROW_FLAGS) & CHROW_HEADER) != 0);
    row.setHorizontalAlignment(rowAlignment(readBigEndian32(record, CHROW_ALIGN)));
    row.setHeight(
        hostLength(heightType(readBigEndian32(record, CHROW_HEIGHT_TYPE)), readBigEndian32(record, CHROW_HEIGHT)));
    row.setLeft(COffset(kOffsetFromLeftMargin, static_cast<int32_t>(readBigEndian32(record, CHROW_LEFT))));
    return 0;
}

// One change per cell, in cell order, after the row's format.
uint32_t CChangeCellFormat::process(INode*& current)
{
    CWordTableRowNode& row = currentRow(current, kCellFormatOutsideCell, kCellFormatOutsideRow);
    readFormat(m_cellFormats, getValue1());
    row.setNextCellInfo(m_cellFormats.getCellInfo());
    return 0;
}
