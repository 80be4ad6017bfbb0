// The writers of tables, rows and cells. A table is written as a run of
// column layout blocks: "CDS" with the cells' column positions, "BCM", the
// rows, "ECM"; a row whose layout differs from the one before it closes the
// block and opens its own. A row is "BRO" (cell count, height, the cells'
// border codes, alignment, header flag) and its cells; a cell is "BCO"
// (column, spans, merge code, vertical alignment), its shading, its
// paragraphs and "HCB". Rows are written whole when they are done: the row
// writer pulls its cells, the cells pull their paragraphs.
//
// A cell that starts a vertical merge is written with the number of rows
// the merge spans, which is known only once the merge has ended. So a row
// that opens or continues a vertical merge is held back in the table until
// a later row ends the merge (or the table ends); the held rows are then
// written in order and released.
#pragma once

#include "icf/ICFCodeCDS.h"
#include "icf/ICFNodeWriter.h"
#include "icf/ICFPageAttributes.h"

#include <cstdint>

class CICFTableNodeWriter : public CICFNodeWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kTableNode;

    // Nothing is written at the table's start: its first row opens the
    // first block.
    void onPropertiesDone() override;
    // Writes the rows still held back, closes the last block and releases
    // the table.
    void onDone() override;
    bool canChildWrite(INode* child) override;
    // Pull form: the rows' merge spans, then the rows, then "ECM".
    void writeChildren() override;

    // "CDS" in force and "BCM".
    void writeTableStart();
    // "ECM", also when no block is open (a table without rows).
    void writeTableEnd();
    // Keeps `cds` as the layout in force. With `start`, a changed layout (or
    // the table's first) closes the open block and opens a new one.
    void setCDS(const CICFCodeCDS& cds, bool start);
    // The row before `row` among the table's rows; null for the first row or
    // a row not in the table.
    INode* getPreviousRow(INode* row);

    // A done row is written, after the rows held back before it, unless it
    // takes part in a vertical merge that is still open.
    void onRowDone(INode* row);

private:
    // Writes and releases the done rows of the table in order, up to `last`
    // (all of them for null).
    void writeDoneRows(INode* last);

    bool m_tableStarted = false;
    CICFCodeCDS m_cds;
};

class CICFTableRowNodeWriter : public CICFNodeWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kTableRowNode;

    // The table writes the row, now or once its vertical merges have ended.
    void onDone() override;
    // The cells write only while the row writes them.
    bool canChildWrite(INode* child) override;
    // Layout block, merge spans, "BRO", the cells.
    void write() override;
    // Each cell with its column number (its position in the row, from 1).
    void writeChildren() override;

    void writeRowStart();
    void calcCDS(CICFCodeCDS& cds);
    // Gives the first cell of each horizontal merge in the row the number
    // of cells it spans. Runs once per row.
    void calcHorizontalMergeCounts();
    // Adds this row to the vertical span of each merge it continues, on the
    // merge's first cell in an earlier row. Runs once per row.
    void calcVerticalMergeCounts();
    // The n-th cell, counted from 1; null past the last.
    INode* getCell(unsigned long n);
    unsigned long getCellCount();
    // A cell of the row is merged with the cell below it: the merge goes on
    // into a later row.
    bool continuesVerticalMerge();

private:
    // The table above the row; null outside a table.
    CICFTableNodeWriter* getTableWriter();

    bool m_rowStarted = false;
    bool m_horizontalMergesCounted = false;
    bool m_verticalMergesCounted = false;
};

// For the paragraphs inside it, a cell answers the page measures: no
// margins, its own width as the container width.
class CICFTableCellNodeWriter : public CICFNodeWriter, public IICFPageAttributes {
public:
    static constexpr EContentInterfaceID kInterfaceID = kTableCellNode;

    void onDone() override;
    // The paragraphs write only while the cell writes them.
    bool canChildWrite(INode* child) override;
    // "BCO", shading, the paragraphs, "HCB".
    void write() override;
    bool queryInterface(int32_t id, void** out) override;

    void writeCellStart();
    void writeCellEnd();

    void setColumnNumber(uint32_t column) { m_columnNumber = column; }
    void incrementHorizontalSpanCount() { ++m_horizontalSpanCount; }
    void incrementVerticalSpanCount() { ++m_verticalSpanCount; }
    uint32_t getHorizontalSpanCount() const { return m_horizontalSpanCount; }
    uint32_t getVerticalSpanCount() const { return m_verticalSpanCount; }

    uint32_t getLeftMargin() override { return 0; }
    uint32_t getRightMargin() override { return 0; }
    uint32_t getTopMargin() override { return 0; }
    uint32_t getBottomMargin() override { return 0; }
    uint32_t getContainerWidth() override;
    uint32_t getContainerHeight() override { return 0; }

private:
    bool m_beingWritten = false;
    uint32_t m_columnNumber = 0;
    uint32_t m_horizontalSpanCount = 1;
    uint32_t m_verticalSpanCount = 1;
};
