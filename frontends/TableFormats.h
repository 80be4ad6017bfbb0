// The host's row and cell format records of a table, read from the
// properties an importer gives a table, a row and a cell.
#pragma once

#include <librevenge/librevenge.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace frontends {

// One side of a cell: a host border record.
struct CellBorder {
    uint32_t thickness = 0; // twips
    uint32_t colour = 0;    // 0x00BBGGRR
    uint32_t lineStyle;     // CHLINE_*

    CellBorder();
    // A border as the importers write it, "0.0138in solid #000000": a
    // width, a line style and a colour in any order. Nothing, or a style of
    // "none" or "hidden", is no line.
    static CellBorder ofProperty(const librevenge::RVNGProperty* property);
};

struct CellFormat {
    uint32_t width = 0; // twips
    uint32_t mergeFlags = 0;
    // The colour of a solid background, 0x00BBGGRR; none for a clear cell.
    std::optional<uint32_t> shading;
    uint32_t verticalAlignment = 0; // CHCELL_ALIGN_*, 0 when not given
    CellBorder left;
    CellBorder right;
    CellBorder top;
    CellBorder bottom;

    // The borders, background and vertical alignment of a cell's
    // properties; the width and merges are the table's to give.
    static CellFormat ofCell(const librevenge::RVNGPropertyList& properties);
    // The words of the 128-byte host cell format record.
    std::vector<uint32_t> record() const;
};

// What a table's properties say of every row.
struct TableLayout {
    std::vector<uint32_t> columnWidths; // twips
    uint32_t left = 0;                  // twips from the margin
    uint32_t alignment = 0;             // CHROW_ALIGN_*, 0 when not given

    static TableLayout ofTable(const librevenge::RVNGPropertyList& properties);
    // The width of a grid column, or a default one past the known columns.
    uint32_t columnWidth(std::size_t column) const;
};

struct RowFormat {
    bool header = false;
    uint32_t height = 0;     // twips
    uint32_t heightType = 0; // CHROW_HEIGHT_*, 0 for a row as high as its text
    uint32_t cells = 0;

    static RowFormat ofRow(const librevenge::RVNGPropertyList& properties);
    // The words of the 32-byte host row format record.
    std::vector<uint32_t> record(const TableLayout& table) const;
};

// A colour "#rrggbb" as 0x00BBGGRR; nothing for any other text.
std::optional<uint32_t> colourOf(const std::string& text);

} // namespace frontends
