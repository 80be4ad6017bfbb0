#include "icf/ICFTableNodeWriters.h"

#include "icf/ICFBorders.h"
#include "icf/ICFCommandWriter.h"
#include "icf/ICFOffset.h"
#include "icf/ICFParameter.h"
#include "icf/ICFShading.h"
#include "icf/ICFVocabulary.h"
#include "model/NodeUtilities.h"
#include "model/TableNodes.h"
#include "model/Units.h"

#include <utility>
#include <vector>

namespace {

// The "CDS" flags of a table row: a fixed bit and the row's alignment.
constexpr unsigned long kLayoutFlags = 0x08;
constexpr unsigned long kLayoutDefaultAlignment = 0x40;
constexpr unsigned long kLayoutCentered = 0x30;
constexpr unsigned long kLayoutRightAligned = 0x20;

template <class Writer>
Writer* writerOf(INode* node)
{
    return node ? dynamic_cast<Writer*>(node->getNodeWriter()) : nullptr;
}

ITableRowContent& rowContent(INode* row)
{
    return requireContent(row->getIContent()->getTableRowContent());
}

ITableCellContent& cellContent(INode* cell)
{
    return requireContent(cell->getIContent()->getTableCellContent());
}

bool isCell(INode* node)
{
    return node->getContentInterfaceID() == kTableCellNode;
}

bool isRow(INode* node)
{
    return node->getContentInterfaceID() == kTableRowNode;
}

uint32_t twips(const CDimension& length)
{
    return static_cast<uint32_t>(length.getValue());
}

// Visits the cells of a row in order.
template <class Visit>
void forEachCell(INode& row, Visit&& visit)
{
    forEachChild(row, [&visit](INode* child) {
        if (isCell(child))
            visit(child);
    });
}

unsigned long layoutFlags(ETableHorizontalAlignment alignment)
{
    switch (alignment) {
    case kTableAlignDefault:
        return kLayoutFlags | kLayoutDefaultAlignment;
    case kTableAlignCenter:
        return kLayoutFlags | kLayoutCentered;
    case kTableAlignRight:
        return kLayoutFlags | kLayoutRightAligned;
    default:
        return kLayoutFlags;
    }
}

// The "BRO" code of a row's alignment.
unsigned long rowAlignmentCode(ETableHorizontalAlignment alignment)
{
    switch (alignment) {
    case kTableAlignLeft:
        return 1;
    case kTableAlignCenter:
        return 4;
    case kTableAlignRight:
        return 3;
    default:
        return 0;
    }
}

// The "BCO" code of a cell's vertical alignment.
unsigned long cellAlignmentCode(EVerticalAlignment alignment)
{
    switch (alignment) {
    case kVerticalAlignBottom:
        return 2;
    case kVerticalAlignCenter:
        return 1;
    default:
        return 0;
    }
}

// Merged with a cell before it (left or above), whatever comes after.
bool continuesMerge(EMergeHorizontal merge)
{
    return merge != kNoHorizontalMerge && merge != kMergedWithCellAfter;
}

bool continuesMerge(EMergeVertical merge)
{
    return merge != kNoVerticalMerge && merge != kMergedWithCellBelow;
}

} // namespace

// ---- table ----

void CICFTableNodeWriter::onPropertiesDone()
{
    if (getNode()->isOkToWrite())
        renotifyCompletedChildren();
}

void CICFTableNodeWriter::onDone()
{
    if (!getNode()->isOkToWrite())
        return;
    writeDoneRows(nullptr);
    writeTableEnd();
    CICFNodeWriter::onDone();
}

bool CICFTableNodeWriter::canChildWrite(INode*)
{
    INode* node = getNode();
    return node->isOkToWrite() && node->arePropertiesDone();
}

// All rows are here: the merge spans are complete before the first row is
// written.
void CICFTableNodeWriter::writeChildren()
{
    forEachChild(*getNode(), [](INode* child) {
        if (auto* row = writerOf<CICFTableRowNodeWriter>(child)) {
            row->calcHorizontalMergeCounts();
            row->calcVerticalMergeCounts();
        }
    });
    CICFNodeWriter::writeChildren();
    writeTableEnd();
}

void CICFTableNodeWriter::writeTableStart()
{
    CICFWriter* writer = getICFWriter();
    m_cds.write(writer);
    CICFCommandWriter().writeNoParamCmd(writer, kCmdColumnsOn);
    m_tableStarted = true;
}

void CICFTableNodeWriter::writeTableEnd()
{
    CICFCommandWriter().writeNoParamCmd(getICFWriter(), kCmdColumnsOff);
    m_tableStarted = false;
}

void CICFTableNodeWriter::setCDS(const CICFCodeCDS& cds, bool start)
{
    const bool changed = cds != m_cds;
    if (changed)
        m_cds = cds;
    if (!start || (!changed && m_tableStarted))
        return;
    if (m_tableStarted)
        writeTableEnd();
    writeTableStart();
}

INode* CICFTableNodeWriter::getPreviousRow(INode* row)
{
    INode* table = getNode();
    INode* previous = nullptr;
    for (ChildIterator it = table->getFirstChild(); it != table->getTermChild(); ++it) {
        if (*it == row)
            return previous;
        if (isRow(*it))
            previous = *it;
    }
    return nullptr;
}

// The spans are counted when the row is done, while the rows of its merges
// are still in the table.
void CICFTableNodeWriter::onRowDone(INode* row)
{
    auto* rowWriter = writerOf<CICFTableRowNodeWriter>(row);
    if (!rowWriter)
        return;
    rowWriter->calcHorizontalMergeCounts();
    rowWriter->calcVerticalMergeCounts();
    if (!rowWriter->continuesVerticalMerge())
        writeDoneRows(row);
}

void CICFTableNodeWriter::writeDoneRows(INode* last)
{
    INode* table = getNode();
    for (ChildIterator it = table->getFirstChild(); it != table->getTermChild();) {
        INode* child = *it++;
        const bool reachedLast = child == last;
        if (isRow(child) && child->isDone()) {
            if (auto* row = writerOf<CICFTableRowNodeWriter>(child))
                row->write();
            child->release();
        }
        if (reachedLast)
            return;
    }
}

// ---- row ----

void CICFTableRowNodeWriter::onDone()
{
    INode* row = getNode();
    if (!row->isOkToWrite())
        return;
    if (CICFTableNodeWriter* table = getTableWriter()) {
        // The table may release the row, and this writer with it.
        table->onRowDone(row);
        return;
    }
    write();
    CICFNodeWriter::onDone();
}

bool CICFTableRowNodeWriter::canChildWrite(INode*)
{
    return getNode()->isOkToWrite() && m_rowStarted;
}

void CICFTableRowNodeWriter::write()
{
    CICFCodeCDS cds;
    calcCDS(cds);
    if (CICFTableNodeWriter* table = getTableWriter())
        table->setCDS(cds, true);
    calcHorizontalMergeCounts();
    calcVerticalMergeCounts();
    writeRowStart();
    m_rowStarted = true;
    writeChildren();
}

void CICFTableRowNodeWriter::writeChildren()
{
    uint32_t column = 1;
    forEachChild(*getNode(), [&column](INode* child) {
        if (isCell(child)) {
            if (auto* cell = writerOf<CICFTableCellNodeWriter>(child)) {
                cell->setColumnNumber(column);
                cell->write();
            }
        }
        ++column;
    });
}

void CICFTableRowNodeWriter::writeRowStart()
{
    INode* row = getNode();
    const ITableRowContent& content = rowContent(row);
    CDimension height;
    const uint32_t rowHeight = twips(content.getHeight(height));

    CICFCommandWriter command;
    command.initialize(getICFWriter(), kCmdRowStart);
    command.writeParameter(CICFDecimalParameter(getCellCount()));
    command.writeParameter(CICFDecimalParameter(rowHeight / kTwipsPerLine));
    command.writeParameter(CICFDecimalParameter(rowHeight));
    forEachCell(*row, [&command](INode* cell) {
        CRectangularBorders sides;
        CICFHexParameter codes;
        CICFBorders(cellContent(cell).getBorders(sides)).getIcfBorderCodes(codes);
        command.writeParameter(codes);
    });
    command.writeParameter(CICFDecimalParameter(rowAlignmentCode(content.getHorizontalAlignment())));
    command.writeParameter(CICFDecimalParameter(content.isHeader() ? 1 : 0));
    command.done();
}

// Each cell's text runs from its left edge plus the left gutter to its right
// edge less the right gutter, measured from the page edge: first in
// character columns, then in twips.
void CICFTableRowNodeWriter::calcCDS(CICFCodeCDS& cds)
{
    INode* row = getNode();
    const ITableRowContent& content = rowContent(row);
    cds.setIcfCommand(kCmdColumnDefinitions);
    cds.addParameter(CICFHexParameter(layoutFlags(content.getHorizontalAlignment())));
    cds.addParameter(CICFDecimalParameter(getCellCount()));

    COffset left;
    uint32_t x = CICFOffset(content.getLeft(left)).getAdjustedValue(kOffsetFromPageEdge, row);
    std::vector<std::pair<uint32_t, uint32_t>> edges;
    forEachCell(*row, [&](INode* cell) {
        const ITableCellContent& format = cellContent(cell);
        CDimension width;
        CDimension leftGutter;
        CDimension rightGutter;
        const uint32_t cellWidth = twips(format.getWidth(width));
        const uint32_t textLeft = x + twips(format.getLeftGutter(leftGutter));
        const uint32_t textRight = x + cellWidth - twips(format.getRightGutter(rightGutter));
        cds.addParameter(CICFDecimalParameter(textLeft / kTwipsPerColumn));
        cds.addParameter(CICFDecimalParameter(textRight / kTwipsPerColumn));
        cds.addParameter(CICFDecimalParameter(0));
        edges.emplace_back(textLeft, textRight);
        x += cellWidth;
    });
    for (const auto& [textLeft, textRight] : edges) {
        cds.addParameter(CICFDecimalParameter(textLeft));
        cds.addParameter(CICFDecimalParameter(textRight));
        cds.addParameter(CICFDecimalParameter(0));
    }
}

// A merge's first cell is the one merged only with the cell after it, or a
// cell merged with the one before it that has no merge to join.
void CICFTableRowNodeWriter::calcHorizontalMergeCounts()
{
    if (m_horizontalMergesCounted)
        return;
    m_horizontalMergesCounted = true;
    INode* anchor = nullptr;
    forEachCell(*getNode(), [&anchor](INode* cell) {
        const EMergeHorizontal merge = cellContent(cell).getMergeHorizontal();
        switch (merge) {
        case kMergedWithCellAfter:
            anchor = cell;
            break;
        case kMergedWithCellBefore:
        case kMergedWithCellsBeforeAndAfter:
            if (!anchor) {
                anchor = cell;
                break;
            }
            if (auto* first = writerOf<CICFTableCellNodeWriter>(anchor))
                first->incrementHorizontalSpanCount();
            if (merge == kMergedWithCellBefore)
                anchor = nullptr;
            break;
        default:
            anchor = nullptr;
            break;
        }
    });
}

// A cell merged with the cell above it belongs to the merge whose first cell
// is the nearest cell above, in the same column, merged only with the cell
// below it.
void CICFTableRowNodeWriter::calcVerticalMergeCounts()
{
    if (m_verticalMergesCounted)
        return;
    m_verticalMergesCounted = true;
    INode* row = getNode();
    unsigned long column = 0;
    forEachCell(*row, [&](INode* cell) {
        ++column;
        const EMergeVertical merge = cellContent(cell).getMergeVertical();
        if (merge != kMergedWithCellAbove && merge != kMergedWithCellsAboveAndBelow)
            return;
        CICFTableNodeWriter* table = getTableWriter();
        if (!table)
            return;
        for (INode* above = table->getPreviousRow(row); above; above = table->getPreviousRow(above)) {
            auto* aboveWriter = writerOf<CICFTableRowNodeWriter>(above);
            INode* aboveCell = aboveWriter ? aboveWriter->getCell(column) : nullptr;
            if (!aboveCell)
                return;
            if (cellContent(aboveCell).getMergeVertical() == kMergedWithCellBelow) {
                if (auto* first = writerOf<CICFTableCellNodeWriter>(aboveCell))
                    first->incrementVerticalSpanCount();
                return;
            }
        }
    });
}

INode* CICFTableRowNodeWriter::getCell(unsigned long n)
{
    INode* row = getNode();
    unsigned long count = 0;
    for (ChildIterator it = row->getFirstChild(); it != row->getTermChild(); ++it) {
        if (isCell(*it) && ++count == n)
            return *it;
    }
    return nullptr;
}

unsigned long CICFTableRowNodeWriter::getCellCount()
{
    unsigned long count = 0;
    forEachCell(*getNode(), [&count](INode*) { ++count; });
    return count;
}

bool CICFTableRowNodeWriter::continuesVerticalMerge()
{
    bool continues = false;
    forEachCell(*getNode(), [&continues](INode* cell) {
        const EMergeVertical merge = cellContent(cell).getMergeVertical();
        continues = continues || merge == kMergedWithCellBelow || merge == kMergedWithCellsAboveAndBelow;
    });
    return continues;
}

CICFTableNodeWriter* CICFTableRowNodeWriter::getTableWriter()
{
    return writerOf<CICFTableNodeWriter>(CNodeUtilities::findParent(getNode(), kTableNode));
}

// ---- cell ----

void CICFTableCellNodeWriter::onDone()
{
    if (!getNode()->isOkToWrite())
        return;
    write();
    CICFNodeWriter::onDone();
}

bool CICFTableCellNodeWriter::canChildWrite(INode*)
{
    return getNode()->isOkToWrite() && m_beingWritten;
}

void CICFTableCellNodeWriter::write()
{
    writeCellStart();
    m_beingWritten = true;
    writeChildren();
    m_beingWritten = false;
    writeCellEnd();
}

bool CICFTableCellNodeWriter::queryInterface(int32_t id, void** out)
{
    if (!out || id != kICFPageAttributesInterface)
        return CICFNodeWriter::queryInterface(id, out);
    *out = static_cast<IICFPageAttributes*>(this);
    return true;
}

// The merge code marks a cell that continues a merge both across and down.
void CICFTableCellNodeWriter::writeCellStart()
{
    const ITableCellContent& cell = cellContent(getNode());
    const bool merged = continuesMerge(cell.getMergeHorizontal()) && continuesMerge(cell.getMergeVertical());
    CICFWriter* writer = getICFWriter();
    CICFCommandWriter::writeDecimalCmd(writer, kCmdCellStart,
                                       {m_columnNumber, m_horizontalSpanCount, m_verticalSpanCount, merged ? 1 : 0, 0,
                                        0, cellAlignmentCode(cell.getVerticalAlignment())});
    CShading shading;
    const CICFShading cellShading(cell.getShading(shading));
    if (cellShading.isOn())
        cellShading.writeSHD(writer, kOnOffOn, kShadingClientCell);
}

void CICFTableCellNodeWriter::writeCellEnd()
{
    CICFCommandWriter().writeNoParamCmd(getICFWriter(), kCmdColumnBreak);
}

uint32_t CICFTableCellNodeWriter::getContainerWidth()
{
    CDimension width;
    return twips(cellContent(getNode()).getWidth(width));
}
