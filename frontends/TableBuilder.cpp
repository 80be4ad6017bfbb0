#include "frontends/TableBuilder.h"

#include "frontends/HostOutput.h"
#include "trx/changes.h"
#include "trx/platform.h"
#include "trxhost/Document.h"

#include <algorithm>
#include <optional>

namespace frontends {

namespace {

// The host's tables do not nest: a table is written as column-layout blocks
// of the page, which cannot open inside a cell. A table inside a cell
// therefore has its cells flattened into paragraphs of the outer cell.
constexpr int kMaxCarriedDepth = 1;
// The host's rows hold at most this many cells; the content of cells past
// them is left out with the row's trailing cell.
constexpr std::size_t kMaxCellsPerRow = 4096;

// A count the importer gives as a property, when it gives one.
std::optional<std::size_t> countOf(const librevenge::RVNGProperty* property)
{
    if (!property || property->getInt() < 0)
        return std::nullopt;
    return static_cast<std::size_t>(property->getInt());
}

// The horizontal merge flags of the k-th of `span` host cells of one cell.
uint32_t horizontalMerge(std::size_t k, std::size_t span)
{
    uint32_t flags = 0;
    if (k > 0)
        flags |= CHCELL_MERGE_BEFORE;
    if (k + 1 < span)
        flags |= CHCELL_MERGE_AFTER;
    return flags;
}

// Whether a change puts content into the paragraph, which a table then
// follows rather than takes into its first cell.
bool isContent(uint32_t type)
{
    return type == CHCHANGE_TEXT || type == CHCHANGE_SPECIAL_CHARACTER || type == CHCHANGE_EMBEDDED_OBJECT ||
           type == CHCHANGE_FRAME;
}

} // namespace

TableBuilder::TableBuilder(trxhost::Document& document) : document_(document)
{
}

bool TableBuilder::carried() const
{
    return depth_ == kMaxCarriedDepth;
}

uint32_t TableBuilder::append(uint32_t type, uint32_t value1, uint32_t value2, uint32_t value3)
{
    if (carried() && !cellOpen_)
        openImplicitCell();
    if (paragraphEndHeld_) {
        paragraphEndHeld_ = false;
        document_.appendChange(CHCHANGE_BREAK, CHBREAK_PARAGRAPH_END);
    }
    if (isContent(type))
        paragraphOpen_ = true;
    else if (type == CHCHANGE_BREAK)
        paragraphOpen_ = false;
    return document_.appendChange(type, value1, value2, value3);
}

void TableBuilder::endParagraph()
{
    if (carried() && !cellOpen_)
        openImplicitCell();
    if (!cellOpen_) {
        append(CHCHANGE_BREAK, CHBREAK_PARAGRAPH_END);
        return;
    }
    if (paragraphEndHeld_)
        document_.appendChange(CHCHANGE_BREAK, CHBREAK_PARAGRAPH_END);
    paragraphEndHeld_ = true;
    paragraphOpen_ = false;
}

void TableBuilder::openImplicitCell()
{
    if (!rowOpen_)
        openRow({});
    openCell({});
}

void TableBuilder::openTable(const librevenge::RVNGPropertyList& properties)
{
    // A table starts a paragraph of its own, in the body as in a cell.
    if (paragraphOpen_)
        endParagraph();
    if (++depth_ != kMaxCarriedDepth)
        return;
    layout_ = TableLayout::ofTable(properties);
    tableBegun_ = false;
    coverage_.clear();
}

void TableBuilder::closeTable()
{
    if (depth_ == 0)
        return;
    if (!carried()) {
        if (paragraphOpen_)
            endParagraph();
        --depth_;
        return;
    }
    if (rowOpen_)
        closeRow();
    if (tableBegun_)
        document_.appendChange(CHCHANGE_END_TABLE);
    --depth_;
    paragraphOpen_ = false;
}

void TableBuilder::closeAll()
{
    while (depth_ > 0)
        closeTable();
}

void TableBuilder::openRow(const librevenge::RVNGPropertyList& properties)
{
    if (!carried())
        return;
    if (rowOpen_)
        closeRow();
    if (!tableBegun_) {
        tableBegun_ = true;
        document_.appendChange(CHCHANGE_BEGIN_TABLE);
    }
    rowOpen_ = true;
    row_ = RowFormat::ofRow(properties);
    announced_ = layout_.columnWidths.size();
    sendRowFormat(static_cast<uint32_t>(announced_));
    coveredCredit_ = 0;
}

// A row that holds other than the announced cells announces them again:
// a second row format starts the row's cell formats afresh.
void TableBuilder::closeRow()
{
    if (!carried() || !rowOpen_)
        return;
    if (cellOpen_)
        closeCell();
    fillTo(std::min(std::max({announced_, coveredEnd(), std::size_t{1}}), kMaxCellsPerRow));
    if (cells_.size() != announced_) {
        sendRowFormat(static_cast<uint32_t>(cells_.size()));
        for (const CellFormat& cell : cells_)
            document_.appendChange(CHCHANGE_CELL_FORMAT, appendWords(document_, CHLIST_CELL_FORMATS, cell.record()));
    }
    document_.appendChange(CHCHANGE_BREAK, CHBREAK_ROW_END);
    cells_.clear();
    rowOpen_ = false;
    paragraphOpen_ = false;
}

void TableBuilder::sendRowFormat(uint32_t cells)
{
    row_.cells = cells;
    document_.appendChange(CHCHANGE_ROW_FORMAT, appendWords(document_, CHLIST_ROW_FORMATS, row_.record(layout_)));
}

bool TableBuilder::readyForCell()
{
    if (!carried())
        return false;
    if (!rowOpen_)
        openRow({});
    if (cellOpen_)
        closeCell();
    return true;
}

void TableBuilder::openCell(const librevenge::RVNGPropertyList& properties)
{
    if (!readyForCell())
        return;
    // Columns before the cell's own are covered from above or left empty;
    // an importer that does not say where the cell is leaves out only
    // those covered from above.
    if (const auto column = countOf(properties["librevenge:column"]))
        fillTo(std::min(*column, kMaxCellsPerRow));
    else
        while (cells_.size() < std::min(coveredEnd(), kMaxCellsPerRow) && coverage_[cells_.size()].rowsLeft > 0)
            fillTo(cells_.size() + 1);
    cellOpen_ = true;
    cellCounted_ = cells_.size() < kMaxCellsPerRow;
    if (!cellCounted_)
        return;
    const std::size_t room = kMaxCellsPerRow - cells_.size();
    const std::size_t columns =
        std::clamp<std::size_t>(countOf(properties["table:number-columns-spanned"]).value_or(1), 1, room);
    const auto rows = static_cast<uint32_t>(
        std::clamp<std::size_t>(countOf(properties["table:number-rows-spanned"]).value_or(1), 1, UINT32_MAX));
    placeCell(properties, columns, rows);
}

void TableBuilder::placeCell(const librevenge::RVNGPropertyList& properties, std::size_t columns, uint32_t rows)
{
    const CellFormat base = CellFormat::ofCell(properties);
    const std::size_t first = cells_.size();
    if (coverage_.size() < first + columns)
        coverage_.resize(first + columns);
    for (std::size_t k = 0; k < columns; ++k) {
        CellFormat cell = base;
        cell.width = layout_.columnWidth(first + k);
        cell.mergeFlags = horizontalMerge(k, columns);
        // The cell ends any span from above that its importer let run into it.
        coverage_[first + k] = Coverage{rows - 1, cell};
        if (rows > 1)
            cell.mergeFlags |= CHCELL_MERGE_BELOW;
        if (k == 0)
            addCell(cell);
        else
            coveredBeside_.push_back(cell);
    }
    coveredCredit_ += columns - 1;
}

void TableBuilder::closeCell()
{
    if (!carried()) {
        // A cell of a nested table ends its last paragraph.
        if (depth_ > kMaxCarriedDepth && paragraphOpen_)
            endParagraph();
        return;
    }
    if (!cellOpen_)
        return;
    paragraphEndHeld_ = false;
    cellOpen_ = false;
    if (cellCounted_)
        document_.appendChange(CHCHANGE_BREAK, CHBREAK_CELL_END);
    for (const CellFormat& covered : coveredBeside_) {
        addCell(covered);
        document_.appendChange(CHCHANGE_BREAK, CHBREAK_CELL_END);
    }
    coveredBeside_.clear();
    paragraphOpen_ = false;
}

void TableBuilder::insertCoveredCell(const librevenge::RVNGPropertyList& properties)
{
    if (!readyForCell())
        return;
    if (const auto column = countOf(properties["librevenge:column"]))
        fillTo(std::min(*column + 1, kMaxCellsPerRow));
    else if (coveredCredit_ > 0)
        --coveredCredit_;
    else
        fillTo(std::min(cells_.size() + 1, kMaxCellsPerRow));
}

void TableBuilder::addCell(const CellFormat& format)
{
    cells_.push_back(format);
    if (cells_.size() <= announced_)
        document_.appendChange(CHCHANGE_CELL_FORMAT, appendWords(document_, CHLIST_CELL_FORMATS, format.record()));
}

void TableBuilder::fillTo(std::size_t count)
{
    while (cells_.size() < count) {
        const std::size_t column = cells_.size();
        CellFormat cell;
        cell.width = layout_.columnWidth(column);
        if (column < coverage_.size() && coverage_[column].rowsLeft > 0) {
            Coverage& covering = coverage_[column];
            --covering.rowsLeft;
            cell = covering.format;
            cell.mergeFlags |= CHCELL_MERGE_ABOVE | (covering.rowsLeft > 0 ? CHCELL_MERGE_BELOW : 0);
        }
        addCell(cell);
        document_.appendChange(CHCHANGE_BREAK, CHBREAK_CELL_END);
    }
}

std::size_t TableBuilder::coveredEnd() const
{
    const auto last = std::find_if(coverage_.rbegin(), coverage_.rend(),
                                   [](const Coverage& covering) { return covering.rowsLeft > 0; });
    return static_cast<std::size_t>(coverage_.rend() - last);
}

} // namespace frontends
