#include "frontends/TableFormats.h"

#include "frontends/HostOutput.h"
#include "frontends/Measure.h"
#include "trx/changes.h"
#include "trx/platform.h"

#include <cstdlib>
#include <cstring>
#include <sstream>

namespace frontends {

namespace {

// A column the table's properties do not measure is one inch wide.
constexpr uint32_t kDefaultColumnWidth = 1440;
// The host's tables have at most this many cells in a row, so no more
// columns are read from a table's properties.
constexpr std::size_t kMaxColumns = 4096;

constexpr int kColourDigits = 6;
constexpr int kHexBase = 16;
constexpr unsigned kRedShift = 16;
constexpr unsigned kGreenShift = 8;
constexpr unsigned long kByte = 0xFF;

struct NamedCode {
    const char* name;
    uint32_t code;
};

// Line styles of the importers' borders; any style not named is a single
// line.
constexpr NamedCode kLineStyles[] = {{"none", CHLINE_NONE},
                                     {"hidden", CHLINE_NONE},
                                     {"double", CHLINE_DOUBLE},
                                     {"dotted", CHLINE_DOTTED},
                                     {"dashed", CHLINE_DASHED}};
constexpr NamedCode kVerticalAlignments[] = {
    {"top", CHCELL_ALIGN_TOP}, {"middle", CHCELL_ALIGN_CENTER}, {"bottom", CHCELL_ALIGN_BOTTOM}};
constexpr NamedCode kRowAlignments[] = {
    {"left", CHROW_ALIGN_LEFT}, {"center", CHROW_ALIGN_CENTER}, {"right", CHROW_ALIGN_RIGHT}};

template <std::size_t N>
uint32_t codeOf(const librevenge::RVNGProperty* property, const NamedCode (&codes)[N], uint32_t otherwise)
{
    if (!property)
        return otherwise;
    const librevenge::RVNGString text = property->getStr();
    for (const NamedCode& named : codes)
        if (std::strcmp(text.cstr(), named.name) == 0)
            return named.code;
    return otherwise;
}

uint32_t lineStyleOf(const std::string& word)
{
    for (const NamedCode& named : kLineStyles)
        if (word == named.name)
            return named.code;
    return CHLINE_SINGLE;
}

void putBorder(std::vector<uint32_t>& words, std::size_t offset, const CellBorder& border)
{
    wordAt(words, offset + CHBORDER_THICKNESS) = border.thickness;
    wordAt(words, offset + CHBORDER_COLOR) = border.colour;
    wordAt(words, offset + CHBORDER_LINE_STYLE) = border.lineStyle;
}

bool isTrue(const librevenge::RVNGProperty* property)
{
    return property && (property->getInt() != 0 || property->getStr() == "true");
}

} // namespace

std::optional<uint32_t> colourOf(const std::string& text)
{
    if (text.size() != kColourDigits + 1 || text[0] != '#')
        return std::nullopt;
    char* end = nullptr;
    const unsigned long rgb = std::strtoul(text.c_str() + 1, &end, kHexBase);
    if (*end != '\0')
        return std::nullopt;
    const auto red = static_cast<uint32_t>((rgb >> kRedShift) & kByte);
    const auto green = static_cast<uint32_t>((rgb >> kGreenShift) & kByte);
    const auto blue = static_cast<uint32_t>(rgb & kByte);
    return red | green << kGreenShift | blue << kRedShift;
}

CellBorder::CellBorder() : lineStyle(CHLINE_NONE)
{
}

// A border names no line unless it gives a line style, as a style sheet's
// border does; a line of no width is no line either.
CellBorder CellBorder::ofProperty(const librevenge::RVNGProperty* property)
{
    CellBorder border;
    if (!property)
        return border;
    std::istringstream words(property->getStr().cstr());
    bool styled = false;
    for (std::string word; words >> word;) {
        if (const auto colour = colourOf(word))
            border.colour = *colour;
        else if (const auto width = twipsOfText(word))
            border.thickness = *width;
        else {
            border.lineStyle = lineStyleOf(word);
            styled = true;
        }
    }
    if (!styled || border.thickness == 0)
        border.lineStyle = CHLINE_NONE;
    return border;
}

CellFormat CellFormat::ofCell(const librevenge::RVNGPropertyList& properties)
{
    CellFormat format;
    if (const librevenge::RVNGProperty* background = properties["fo:background-color"])
        format.shading = colourOf(background->getStr().cstr());
    format.verticalAlignment = codeOf(properties["style:vertical-align"], kVerticalAlignments, 0);
    format.left = CellBorder::ofProperty(properties["fo:border-left"]);
    format.right = CellBorder::ofProperty(properties["fo:border-right"]);
    format.top = CellBorder::ofProperty(properties["fo:border-top"]);
    format.bottom = CellBorder::ofProperty(properties["fo:border-bottom"]);
    return format;
}

std::vector<uint32_t> CellFormat::record() const
{
    std::vector<uint32_t> words = wordRecord(CHRECORD_SIZE_CELL_FORMAT);
    wordAt(words, CHCELL_WIDTH) = width;
    wordAt(words, CHCELL_MERGE) = mergeFlags;
    wordAt(words, CHCELL_SHADING + CHSHADING_PATTERN) = shading ? CHSHADING_SOLID : CHSHADING_NONE;
    wordAt(words, CHCELL_SHADING + CHSHADING_FOREGROUND) = shading.value_or(0);
    wordAt(words, CHCELL_ALIGN) = verticalAlignment << CHCELL_ALIGN_SHIFT;
    putBorder(words, CHCELL_LEFT_BORDER, left);
    putBorder(words, CHCELL_RIGHT_BORDER, right);
    putBorder(words, CHCELL_TOP_BORDER, top);
    putBorder(words, CHCELL_BOTTOM_BORDER, bottom);
    return words;
}

TableLayout TableLayout::ofTable(const librevenge::RVNGPropertyList& properties)
{
    TableLayout table;
    if (const librevenge::RVNGPropertyListVector* columns = properties.child("librevenge:table-columns"))
        for (unsigned long i = 0; i < columns->count() && i < kMaxColumns; ++i)
            table.columnWidths.push_back(twipsOf((*columns)[i]["style:column-width"]).value_or(kDefaultColumnWidth));
    table.left = twipsOf(properties["fo:margin-left"]).value_or(0);
    table.alignment = codeOf(properties["table:align"], kRowAlignments, 0);
    return table;
}

uint32_t TableLayout::columnWidth(std::size_t column) const
{
    return column < columnWidths.size() ? columnWidths[column] : kDefaultColumnWidth;
}

RowFormat RowFormat::ofRow(const librevenge::RVNGPropertyList& properties)
{
    RowFormat row;
    row.header = isTrue(properties["librevenge:is-header-row"]);
    if (const auto exact = twipsOf(properties["style:row-height"])) {
        row.height = *exact;
        row.heightType = CHROW_HEIGHT_EXACT;
    } else if (const auto least = twipsOf(properties["style:min-row-height"])) {
        row.height = *least;
        row.heightType = CHROW_HEIGHT_AT_LEAST;
    }
    return row;
}

std::vector<uint32_t> RowFormat::record(const TableLayout& table) const
{
    std::vector<uint32_t> words = wordRecord(CHRECORD_SIZE_ROW_FORMAT);
    wordAt(words, CHROW_FLAGS) = header ? CHROW_HEADER : 0;
    wordAt(words, CHROW_LEFT) = table.left;
    wordAt(words, CHROW_HEIGHT) = height;
    wordAt(words, CHROW_HEIGHT_TYPE) = heightType;
    wordAt(words, CHROW_ALIGN) = table.alignment;
    wordAt(words, CHROW_CELLS) = cells;
    return words;
}

} // namespace frontends
