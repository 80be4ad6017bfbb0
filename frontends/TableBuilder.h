// The tables of an imported document sent as a host sends them: the table's
// begin, for each row its row format and one cell format per cell, each
// cell's paragraphs ended by a cell end rather than a paragraph end, a row
// end per row and the table's end.
//
// A host cell is one column of the table's grid: a cell spanning columns or
// rows becomes a cell merged with the covered cells beside or below it,
// whether the importer announces those (insertCoveredTableCell, or a jump
// of the cell's librevenge:column) or not. Every change of the document
// passes through here, so that content and paragraph ends land in a cell.
#pragma once

#include "frontends/TableFormats.h"

#include <librevenge/librevenge.h>

#include <cstdint>
#include <vector>

namespace trxhost {
class Document;
}

namespace frontends {

class TableBuilder {
public:
    explicit TableBuilder(trxhost::Document& document);

    // Appends a change to the document and returns its id; content outside
    // any cell of an open table goes into a cell opened for it.
    uint32_t append(uint32_t type, uint32_t value1 = 0, uint32_t value2 = 0, uint32_t value3 = 0);
    // Ends a paragraph. In a cell the end is held back until more of the
    // cell follows: the cell's last paragraph ends with the cell end.
    void endParagraph();

    void openTable(const librevenge::RVNGPropertyList& properties);
    void closeTable();
    void openRow(const librevenge::RVNGPropertyList& properties);
    void closeRow();
    void openCell(const librevenge::RVNGPropertyList& properties);
    void closeCell();
    void insertCoveredCell(const librevenge::RVNGPropertyList& properties);
    // Ends every open table: the host sends no section break and no
    // document end inside a table.
    void closeAll();

private:
    // A column covered by a cell of an earlier row spanning rows.
    struct Coverage {
        uint32_t rowsLeft = 0;
        CellFormat format;
    };

    // Whether the events are those of the table the host carries, not of
    // one outside any table or nested in it.
    bool carried() const;
    // Before a cell of the table carried: the row it goes into is open and
    // no cell is; false, with nothing done, for a table not carried.
    bool readyForCell();
    void openImplicitCell();
    void sendRowFormat(uint32_t cells);
    // Adds a host cell to the open row, with its cell format once the row
    // format has announced it.
    void addCell(const CellFormat& format);
    // Adds empty or covered cells, each ended at once, until the row holds
    // `count` cells.
    void fillTo(std::size_t count);
    // The host cells of a cell at the next column spanning `columns` and
    // `rows`: the first is added, the others follow its cell end.
    void placeCell(const librevenge::RVNGPropertyList& properties, std::size_t columns, uint32_t rows);
    // One past the last column that a cell of an earlier row still covers.
    std::size_t coveredEnd() const;

    trxhost::Document& document_;
    int depth_ = 0;
    bool tableBegun_ = false;
    bool rowOpen_ = false;
    bool cellOpen_ = false;
    // Whether the open cell is one of the row's host cells, not one past
    // the row's limit whose content is left out.
    bool cellCounted_ = false;
    bool paragraphEndHeld_ = false;
    // Whether content came since the last break.
    bool paragraphOpen_ = false;
    TableLayout layout_;
    RowFormat row_;
    // The open row's host cells and how many the row format announced.
    std::vector<CellFormat> cells_;
    std::size_t announced_ = 0;
    // The cells the open cell covers beside it.
    std::vector<CellFormat> coveredBeside_;
    // Covered cells added for spans that the importer may still announce.
    std::size_t coveredCredit_ = 0;
    std::vector<Coverage> coverage_;
};

} // namespace frontends
