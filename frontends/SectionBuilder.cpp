#include "frontends/SectionBuilder.h"

#include "frontends/HostOutput.h"
#include "frontends/Measure.h"
#include "trx/changes.h"
#include "trxhost/Document.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace frontends {

namespace {

// Value 1 of the section start change that a host sends for a section on a
// new page.
constexpr uint32_t kSectionStartNewPage = 1;
constexpr uint32_t kPortrait = 0;
constexpr uint32_t kLandscape = 1;
// A section with more columns than this is taken as damaged and gets none,
// rather than one column definition for every entry of its list.
constexpr unsigned long kMaxColumns = 64;

using librevenge::RVNGProperty;
using librevenge::RVNGPropertyList;
using librevenge::RVNGPropertyListVector;

// A column as the host gives it: its width, which holds the gutter, the
// space up to the next column.
struct HostColumn {
    uint32_t width;
    uint32_t gutter;
};

struct ColumnLayout {
    // Where the first column's text begins, in twips from the page's edge.
    uint32_t leftOffset = 0;
    bool balanced = true;
    std::vector<HostColumn> columns;
};

// Where a column's text begins and ends, in twips from the page's edge.
struct TextExtent {
    int64_t start;
    int64_t end;
};

int64_t twipsOrZero(const RVNGProperty* property)
{
    return twipsOf(property).value_or(0);
}

// Positions and widths on the page go to the host as signed 32-bit words.
bool fitsLength(int64_t value)
{
    return value >= 0 && value <= INT32_MAX;
}

// Widths given as percentages or plain numbers are each a share of their
// sum, taken of the width the section has for its columns; nothing when
// one is neither or not above 0.
std::optional<std::vector<int64_t>> sharedWidths(const RVNGPropertyListVector& columns, int64_t available)
{
    std::vector<double> shares;
    double total = 0;
    for (unsigned long i = 0; i < columns.count(); ++i) {
        const RVNGProperty* width = columns[i]["style:rel-width"];
        if (!width || (width->getUnit() != librevenge::RVNG_PERCENT && width->getUnit() != librevenge::RVNG_GENERIC))
            return std::nullopt;
        shares.push_back(width->getDouble());
        total += shares.back();
        if (!std::isfinite(shares.back()) || shares.back() <= 0 || !std::isfinite(total))
            return std::nullopt;
    }
    std::vector<int64_t> widths;
    widths.reserve(shares.size());
    for (const double share : shares)
        widths.push_back(std::llround(static_cast<double>(available) * share / total));
    return widths;
}

// The columns' widths in twips: lengths as given, or else shares of the
// width available to them, their gaps taken off (none when it is unknown).
std::optional<std::vector<int64_t>> columnWidths(const RVNGPropertyListVector& columns,
                                                 std::optional<int64_t> available)
{
    std::vector<int64_t> widths;
    for (unsigned long i = 0; i < columns.count(); ++i) {
        const std::optional<uint32_t> width = twipsOf(columns[i]["style:rel-width"]);
        if (!width)
            return available && *available > 0 ? sharedWidths(columns, *available) : std::nullopt;
        widths.push_back(*width);
    }
    return widths;
}

// The text extents of the columns: each column's width less its indents,
// the columns the section's column gap apart.
std::vector<TextExtent> textExtents(const RVNGPropertyListVector& columns, const std::vector<int64_t>& widths,
                                    int64_t areaStart, int64_t gap)
{
    std::vector<TextExtent> extents;
    int64_t origin = areaStart;
    for (unsigned long i = 0; i < columns.count(); ++i) {
        const int64_t start = origin + twipsOrZero(columns[i]["fo:start-indent"]);
        const int64_t end = origin + widths[i] - twipsOrZero(columns[i]["fo:end-indent"]);
        extents.push_back({start, std::max(start, end)});
        origin += widths[i] + gap;
    }
    return extents;
}

// The width the section leaves its columns between the page margins and
// its own, the gaps between the columns taken off; nothing while the page
// width is not known.
std::optional<int64_t> widthForColumns(const RVNGPropertyList& section, const SectionBuilder::PageWidths& page,
                                       unsigned long count, int64_t gap)
{
    if (page.width == 0)
        return std::nullopt;
    return int64_t{page.width} - page.leftMargin - page.rightMargin - twipsOrZero(section["fo:margin-left"]) -
           twipsOrZero(section["fo:margin-right"]) - gap * static_cast<int64_t>(count - 1);
}

// The section's columns as the host's column group, placed on the page
// from the page's left margin and the section's own; nothing for a section
// of one column or whose columns cannot be placed.
std::optional<ColumnLayout> columnLayout(const RVNGPropertyList& section, const SectionBuilder::PageWidths& page)
{
    const RVNGPropertyListVector* columns = section.child("style:columns");
    if (!columns || columns->count() < 2 || columns->count() > kMaxColumns)
        return std::nullopt;
    const int64_t gap = twipsOrZero(section["fo:column-gap"]);
    const auto widths = columnWidths(*columns, widthForColumns(section, page, columns->count(), gap));
    if (!widths)
        return std::nullopt;
    const int64_t areaStart = int64_t{page.leftMargin} + twipsOrZero(section["fo:margin-left"]);
    const std::vector<TextExtent> extents = textExtents(*columns, *widths, areaStart, gap);
    ColumnLayout layout;
    const RVNGProperty* unbalanced = section["text:dont-balance-text-columns"];
    layout.balanced = !unbalanced || unbalanced->getInt() == 0;
    for (std::size_t i = 0; i < extents.size(); ++i) {
        const int64_t next = i + 1 < extents.size() ? extents[i + 1].start : extents[i].end;
        const int64_t width = std::max<int64_t>(next - extents[i].start, 0);
        const int64_t gutter = std::clamp<int64_t>(next - extents[i].end, 0, width);
        if (!fitsLength(extents[i].start) || !fitsLength(width))
            return std::nullopt;
        layout.columns.push_back({static_cast<uint32_t>(width), static_cast<uint32_t>(gutter)});
    }
    layout.leftOffset = static_cast<uint32_t>(extents.front().start);
    return layout;
}

void writeColumns(trxhost::Document& document, const ColumnLayout& layout)
{
    std::vector<uint32_t> group = wordRecord(CHCOLUMNS_RECORD_SIZE);
    wordAt(group, CHCOLUMNS_FLAGS) = layout.balanced ? CHCOLUMNS_BALANCED : 0;
    wordAt(group, CHCOLUMNS_LEFT_OFFSET) = layout.leftOffset;
    wordAt(group, CHCOLUMNS_COUNT) = static_cast<uint32_t>(layout.columns.size());
    document.appendChange(CHCHANGE_BEGIN_COLUMNS, appendWords(document, CHLIST_DATA, group));
    for (const HostColumn& column : layout.columns) {
        std::vector<uint32_t> definition = wordRecord(CHCOLUMN_RECORD_SIZE);
        wordAt(definition, CHCOLUMN_WIDTH) = column.width;
        wordAt(definition, CHCOLUMN_GUTTER) = column.gutter;
        document.appendChange(CHCHANGE_ADD_COLUMN, appendWords(document, CHLIST_DATA, definition));
    }
    document.appendChange(CHCHANGE_COLUMNS_DONE);
}

} // namespace

void SectionBuilder::openPageSpan(trxhost::Document& document, const RVNGPropertyList& properties)
{
    endColumns(document);
    if (pageSeen_) {
        document.appendChange(CHCHANGE_BREAK, CHBREAK_SECTION);
        document.appendChange(CHCHANGE_SECTION_START, kSectionStartNewPage);
    }
    pageSeen_ = true;
    pageSpanStarts_ = true;
    writePageSettings(document, properties);
}

// Each setting is sent when the page span gives it whole: a size with both
// sides, margins in pairs as the host's changes carry them.
void SectionBuilder::writePageSettings(trxhost::Document& document, const RVNGPropertyList& properties)
{
    const auto width = twipsOf(properties["fo:page-width"]);
    const auto height = twipsOf(properties["fo:page-height"]);
    if (width && height) {
        document.appendChange(CHCHANGE_PAGE_SIZE, *height, *width);
        page_.width = *width;
    }
    if (const RVNGProperty* orientation = properties["style:print-orientation"])
        document.appendChange(CHCHANGE_ORIENTATION, orientation->getStr() == "landscape" ? kLandscape : kPortrait);
    const auto left = twipsOf(properties["fo:margin-left"]);
    const auto right = twipsOf(properties["fo:margin-right"]);
    if (left && right) {
        document.appendChange(CHCHANGE_SIDE_MARGINS, *left, *right);
        page_.leftMargin = *left;
        page_.rightMargin = *right;
    }
    const auto top = twipsOf(properties["fo:margin-top"]);
    const auto bottom = twipsOf(properties["fo:margin-bottom"]);
    if (top && bottom)
        document.appendChange(CHCHANGE_TOP_BOTTOM_MARGINS, *top, *bottom);
}

// A section of one column continues the host's section as it is; one of
// more columns is a column group within it, on the same page.
void SectionBuilder::openSection(trxhost::Document& document, const RVNGPropertyList& properties)
{
    endColumns(document);
    if (const std::optional<ColumnLayout> layout = columnLayout(properties, page_)) {
        writeColumns(document, *layout);
        columnsOpen_ = true;
    }
}

void SectionBuilder::closeSection(trxhost::Document& document)
{
    endColumns(document);
}

void SectionBuilder::endColumns(trxhost::Document& document)
{
    if (!columnsOpen_)
        return;
    document.appendChange(CHCHANGE_END_COLUMNS);
    columnsOpen_ = false;
}

// The break comes first in the paragraph, before its text, as a host sends
// a break typed at the paragraph's start. A page break before the first
// paragraph of a page span is the span's own new page, and is not sent
// again.
void SectionBuilder::openParagraph(trxhost::Document& document, const RVNGPropertyList& properties)
{
    const bool pageSpanStarts = pageSpanStarts_;
    pageSpanStarts_ = false;
    const RVNGProperty* breakBefore = properties["fo:break-before"];
    if (!breakBefore)
        return;
    const librevenge::RVNGString kind = breakBefore->getStr();
    const bool pageBreak = kind == "page" || kind == "even-page" || kind == "odd-page";
    if (pageBreak && !pageSpanStarts)
        document.appendChange(CHCHANGE_SPECIAL_CHARACTER, CHSPECIAL_PAGE_BREAK);
    else if (kind == "column")
        document.appendChange(CHCHANGE_BREAK, CHBREAK_COLUMN);
}

} // namespace frontends
