#include "host/RecordForms.h"
#include "trx/changes.h"
#include "trxhost/ItemList.h"

#include <algorithm>
#include <unordered_map>

namespace trxhost {
namespace {

constexpr uint32_t kWholeWord = 0xFFFFFFFF;
constexpr uint32_t kLowHalf = 0xFFFF;
// Host line style codes (other codes are written as numbers).
const ValueNames kLineStyles = {
    {"single", CHLINE_SINGLE},     {"none", CHLINE_NONE},
    {"double", CHLINE_DOUBLE},     {"thick", CHLINE_THICK},
    {"dotted", CHLINE_DOTTED},     {"dashed", CHLINE_DASHED},
    {"dot dash", CHLINE_DOT_DASH}, {"dot dot dash", CHLINE_DOT_DOT_DASH},
};

// Colours 0x00BBGGRR.
const ValueNames kColors = {
    {"black", 0x000000}, {"white", 0xFFFFFF},  {"red", 0x0000FF},  {"green", 0x00FF00},
    {"blue", 0xFF0000},  {"yellow", 0x00FFFF}, {"cyan", 0xFFFF00}, {"magenta", 0xFF00FF},
};

// Shading pattern indexes: CHSHADING_NONE, CHSHADING_SOLID, and between
// them patterns.
const ValueNames kPatterns = {{"solid", CHSHADING_SOLID}};
const ValueNames kHeightTypes = {{"at least", CHROW_HEIGHT_AT_LEAST}, {"exact", CHROW_HEIGHT_EXACT}};
const ValueNames kRowAlignments = {
    {"left", CHROW_ALIGN_LEFT}, {"center", CHROW_ALIGN_CENTER}, {"right", CHROW_ALIGN_RIGHT}};
const ValueNames kVerticalAlignments = {
    {"top", CHCELL_ALIGN_TOP}, {"center", CHCELL_ALIGN_CENTER}, {"bottom", CHCELL_ALIGN_BOTTOM}};
const ValueNames kNoteLocations = {{"page bottom", CHNOTEAREA_PAGE_BOTTOM},
                                   {"below text", CHNOTEAREA_BELOW_TEXT},
                                   {"section end", CHNOTEAREA_SECTION_END},
                                   {"document end", CHNOTEAREA_DOCUMENT_END}};
const ValueNames kStyleKinds = {
    {"paragraph", CHSTYLE_PARAGRAPH}, {"character", CHSTYLE_CHARACTER}, {"list", CHSTYLE_LIST}};
// A counter's number format codes, and how often note numbers restart.
const ValueNames kNumberFormats = {{"decimal", CHFORMAT_DECIMAL},
                                   {"letters", CHFORMAT_LETTERS},
                                   {"roman", CHFORMAT_ROMAN},
                                   {"ordinal", CHFORMAT_ORDINAL},
                                   {"cardinal words", CHFORMAT_CARDINAL_WORDS},
                                   {"ordinal words", CHFORMAT_ORDINAL_WORDS}};
const ValueNames kNoteRestarts = {{"each page", CHRESTART_EACH_PAGE}, {"each section", CHRESTART_EACH_SECTION}};
// A frame's kind, and what it is anchored to (the low six bits of its
// anchor word).
const ValueNames kFrameKinds = {{"drop cap", CHFRAME_KIND_DROP_CAP}};
const ValueNames kFrameAnchors = {{"character", CHFRAME_ANCHOR_CHARACTER},
                                  {"paragraph", CHFRAME_ANCHOR_PARAGRAPH},
                                  {"container", CHFRAME_ANCHOR_CONTAINER}};
// A style definition's base style id; none is all ones.
const ValueNames kNoBaseStyle = {{"none", CHSTYLE_NO_BASE}};

RecordField value(const char* name, uint32_t offset, const ValueRange& range,
                  ArgumentStyle style = ArgumentStyle::Number)
{
    return {name, offset, kWholeWord, false, style, nullptr, false, &range};
}

RecordField length(const char* name, uint32_t offset)
{
    return value(name, offset, kLength);
}

RecordField signedLength(const char* name, uint32_t offset)
{
    return value(name, offset, kSignedLength, ArgumentStyle::Signed);
}

// Codes and flags whose meaning the filter decides: any value.
RecordField code(const char* name, uint32_t offset, ArgumentStyle style = ArgumentStyle::Number)
{
    return value(name, offset, kAnyValue, style);
}

RecordField masked(const char* name, uint32_t offset, uint32_t mask)
{
    return {name, offset, mask, false, ArgumentStyle::Number, nullptr, false, &kAnyValue};
}

RecordField flag(const char* name, uint32_t offset, uint32_t bit)
{
    return {name, offset, bit, true, ArgumentStyle::Number, nullptr, false, &kAnyValue};
}

RecordField choice(const char* name, uint32_t offset, const ValueNames& names, bool bare = false,
                   uint32_t mask = kWholeWord, const ValueRange& range = kAnyValue)
{
    return {name, offset, mask, false, ArgumentStyle::Number, &names, bare, &range};
}

RecordField color(const char* name, uint32_t offset)
{
    return {name, offset, kWholeWord, false, ArgumentStyle::Hex, &kColors, false, &kColour};
}

// The fields of a shading record at `base`.
std::vector<RecordField> shadingFields(uint32_t base)
{
    return {choice("pattern", base + CHSHADING_PATTERN, kPatterns, true, kWholeWord, kPattern),
            value("transparency", base + CHSHADING_TRANSPARENCY, kPercent, ArgumentStyle::Signed),
            color("foreground", base + CHSHADING_FOREGROUND), color("background", base + CHSHADING_BACKGROUND)};
}

template <typename Item>
std::vector<Item> joined(std::vector<Item> first, const std::vector<Item>& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

std::vector<RecordForm> buildForms()
{
    return {
        {"paragraph borders",
         CHLIST_DATA,
         CHPARABORDERS_RECORD_SIZE,
         {},
         {{"top", CHPARABORDERS_TOP},
          {"left", CHPARABORDERS_LEFT},
          {"bottom", CHPARABORDERS_BOTTOM},
          {"right", CHPARABORDERS_RIGHT}}},
        {"paragraph shading", CHLIST_DATA, CHSHADING_RECORD_SIZE, shadingFields(0), {}},
        {"page borders",
         CHLIST_DATA,
         CHPAGEBORDERS_RECORD_SIZE,
         {},
         {{"top", CHPAGEBORDERS_TOP},
          {"left", CHPAGEBORDERS_LEFT},
          {"bottom", CHPAGEBORDERS_BOTTOM},
          {"right", CHPAGEBORDERS_RIGHT}}},
        {"binding", CHLIST_DATA, CHBINDING_RECORD_SIZE, {length("width", CHBINDING_WIDTH)}, {}},
        {"columns",
         CHLIST_DATA,
         CHCOLUMNS_RECORD_SIZE,
         {flag("balanced", CHCOLUMNS_FLAGS, CHCOLUMNS_BALANCED), flag("equal", CHCOLUMNS_FLAGS, CHCOLUMNS_EQUAL),
          signedLength("left", CHCOLUMNS_LEFT_OFFSET), value("count", CHCOLUMNS_COUNT, kCount),
          length("spacing", CHCOLUMNS_SPACING)},
         {}},
        {"column",
         CHLIST_DATA,
         CHCOLUMN_RECORD_SIZE,
         {length("width", CHCOLUMN_WIDTH), length("gutter", CHCOLUMN_GUTTER)},
         {}},
        {"note area",
         CHLIST_DATA,
         CHNOTEAREA_RECORD_SIZE,
         {length("hot zone", CHNOTEAREA_HOT_ZONE), length("height", CHNOTEAREA_HEIGHT),
          choice("location", CHNOTEAREA_LOCATION, kNoteLocations)},
         {}},
        {"subdocument format",
         CHLIST_DATA,
         CHSLOTFORMAT_RECORD_SIZE,
         {length("header distance", CHSLOTFORMAT_HEADER_DISTANCE),
          length("footer distance", CHSLOTFORMAT_FOOTER_DISTANCE)},
         {}},
        {"toc bookmark",
         CHLIST_DATA,
         CHTOCBOOKMARK_RECORD_SIZE,
         {value("level", CHTOCBOOKMARK_LEVEL, kOutlineLevel), flag("hidden", CHTOCBOOKMARK_HIDDEN, 0x01)},
         {}},
        {"style definition",
         CHLIST_DATA,
         CHSTYLE_RECORD_SIZE,
         {code("style", CHSTYLE_ID), choice("kind", CHSTYLE_KIND, kStyleKinds, true), value("name", CHSTYLE_NAME, kId),
          choice("based on", CHSTYLE_BASE, kNoBaseStyle)},
         {}},
        {"summary item", CHLIST_DATA, CHSUMMARY_RECORD_SIZE, {code("type", CHSUMMARY_TYPE)}, {}},
        {"counter",
         CHLIST_DATA,
         CHCOUNTER_RECORD_SIZE,
         {choice("restart", CHCOUNTER_RESTART, kNoteRestarts, false, CHRESTART_MASK),
          value("start", CHCOUNTER_START, kNumber), choice("format", CHCOUNTER_FORMAT, kNumberFormats, true)},
         {}},
        {"list counter",
         CHLIST_DATA,
         CHCOUNTER_RECORD_SIZE,
         {masked("start at", CHCOUNTER_START, kLowHalf), masked("count by", CHCOUNTER_COUNT_BY, kLowHalf),
          code("number text", CHCOUNTER_NUMBER_TEXT),
          choice("format", CHCOUNTER_FORMAT, kNumberFormats, true, CHFORMAT_CODE_MASK),
          flag("lower", CHCOUNTER_FORMAT, CHFORMAT_LOWER_CASE)},
         {}},
        {"frame",
         CHLIST_DATA,
         CHFRAME_RECORD_SIZE,
         {choice("kind", CHFRAME_KIND, kFrameKinds, true),
          code("vertical flags", CHFRAME_VERTICAL_FLAGS, ArgumentStyle::Hex),
          code("horizontal flags", CHFRAME_HORIZONTAL_FLAGS, ArgumentStyle::Hex),
          signedLength("horizontal offset", CHFRAME_HORIZONTAL_OFFSET),
          signedLength("vertical offset", CHFRAME_VERTICAL_OFFSET),
          choice("anchor", CHFRAME_ANCHOR, kFrameAnchors, false, CHFRAME_ANCHOR_MASK),
          flag("transparent", CHFRAME_SIZE_FLAGS, CHFRAME_TRANSPARENT),
          flag("auto width", CHFRAME_SIZE_FLAGS, CHFRAME_AUTO_WIDTH),
          flag("auto height", CHFRAME_SIZE_FLAGS, CHFRAME_AUTO_HEIGHT), length("width", CHFRAME_WIDTH),
          length("height", CHFRAME_HEIGHT), flag("no shading", CHFRAME_SHADING_SWITCH, CHFRAME_SHADING_OFF),
          color("shading", CHFRAME_SHADING_COLOR)},
         {{"top", CHFRAME_TOP_BORDER},
          {"left", CHFRAME_LEFT_BORDER},
          {"bottom", CHFRAME_BOTTOM_BORDER},
          {"right", CHFRAME_RIGHT_BORDER}}},
        {"embedded object",
         CHLIST_EMBEDDED_OBJECTS,
         CHRECORD_SIZE_EMBEDDED_OBJECT,
         {flag("included document", CHOBJECT_KIND, CHOBJECT_INCLUDED_DOCUMENT),
          length("source height", CHOBJECT_SOURCE_HEIGHT), length("source width", CHOBJECT_SOURCE_WIDTH),
          signedLength("crop top", CHOBJECT_CROP_TOP), signedLength("crop left", CHOBJECT_CROP_LEFT),
          signedLength("crop bottom", CHOBJECT_CROP_BOTTOM), signedLength("crop right", CHOBJECT_CROP_RIGHT),
          length("height", CHOBJECT_HEIGHT), length("width", CHOBJECT_WIDTH),
          flag("keep aspect ratio", CHOBJECT_DISPLAY, CHOBJECT_KEEP_ASPECT_RATIO),
          value("properties", CHOBJECT_PROPERTIES, kId),
          value("document properties", CHOBJECT_DOCUMENT_PROPERTIES, kId)},
         {}},
        {"row format",
         CHLIST_ROW_FORMATS,
         CHRECORD_SIZE_ROW_FORMAT,
         {flag("header", CHROW_FLAGS, CHROW_HEADER), signedLength("left", CHROW_LEFT), length("height", CHROW_HEIGHT),
          choice("height type", CHROW_HEIGHT_TYPE, kHeightTypes, true), choice("align", CHROW_ALIGN, kRowAlignments),
          value("cells", CHROW_CELLS, kCount)},
         {}},
        {"cell format",
         CHLIST_CELL_FORMATS,
         CHRECORD_SIZE_CELL_FORMAT,
         joined({length("left gutter", CHCELL_LEFT_GUTTER), length("right gutter", CHCELL_RIGHT_GUTTER),
                 length("width", CHCELL_WIDTH), flag("merge before", CHCELL_MERGE, CHCELL_MERGE_BEFORE),
                 flag("merge after", CHCELL_MERGE, CHCELL_MERGE_AFTER),
                 flag("merge above", CHCELL_MERGE, CHCELL_MERGE_ABOVE),
                 flag("merge below", CHCELL_MERGE, CHCELL_MERGE_BELOW),
                 choice("vertical align", CHCELL_ALIGN, kVerticalAlignments, false, kWholeWord << CHCELL_ALIGN_SHIFT)},
                shadingFields(CHCELL_SHADING)),
         {{"left", CHCELL_LEFT_BORDER},
          {"right", CHCELL_RIGHT_BORDER},
          {"top", CHCELL_TOP_BORDER},
          {"bottom", CHCELL_BOTTOM_BORDER}}},
    };
}

std::vector<RecordChange> buildChanges()
{
    const auto change = [](const char* name, const char* record, int idValue, std::vector<RecordArgument> others = {}) {
        return RecordChange{name, findRecordForm(record), idValue, std::move(others)};
    };
    return {
        change("paragraph borders", "paragraph borders", 2),
        change("paragraph shading", "paragraph shading", 2),
        change("page borders", "page borders", 1),
        change("binding width", "binding", 1),
        change("subdocument slot", "subdocument format", 1, {{"flags", 2}, {"id", 3}}),
        change("footnote area", "note area", 1),
        change("endnote area", "note area", 1),
        change("note area", "note area", 1, {{"area", 2}}),
        change("begin columns", "columns", 1),
        change("add column", "column", 1),
        change("graphic", "embedded object", 1),
        change("row format", "row format", 1),
        change("cell format", "cell format", 1),
        change("begin toc bookmark a", "toc bookmark", 3, {{"tag", 2}}),
        change("begin toc bookmark b", "toc bookmark", 3, {{"tag", 2}}),
        change("begin style definition", "style definition", 3, {{"tag", 2}}),
        change("begin summary item", "summary item", 3, {{"tag", 2}}),
        change("define page counter", "counter", 3),
        change("define footnote counter", "counter", 3),
        change("define endnote counter", "counter", 3),
        change("define list counter", "list counter", 3, {{"level", 2}}),
        change("frame", "frame", 3),
    };
}

uint32_t shiftOf(const RecordField& field)
{
    uint32_t shift = 0;
    while (shift < 31 && !(field.mask >> shift & 1))
        ++shift;
    return shift;
}

} // namespace

const std::vector<RecordField>& borderFields()
{
    static const std::vector<RecordField> fields = {
        choice("style", CHBORDER_LINE_STYLE, kLineStyles, true, ~CHBORDER_PRIORITY),
        length("width", CHBORDER_THICKNESS),
        color("color", CHBORDER_COLOR),
        length("inside", CHBORDER_INSIDE),
        length("outside", CHBORDER_OUTSIDE),
        flag("priority", CHBORDER_LINE_STYLE, CHBORDER_PRIORITY),
    };
    return fields;
}

const std::vector<RecordForm>& recordForms()
{
    static const std::vector<RecordForm> forms = buildForms();
    return forms;
}

const RecordForm* findRecordForm(const std::string& name)
{
    const auto& forms = recordForms();
    const auto found =
        std::find_if(forms.begin(), forms.end(), [&name](const RecordForm& form) { return form.name == name; });
    return found == forms.end() ? nullptr : &*found;
}

const RecordChange* findRecordChange(std::string_view changeName)
{
    static const std::vector<RecordChange> changes = buildChanges();
    // Hashed: a listing asks for every change statement.
    static const std::unordered_map<std::string_view, const RecordChange*> byName = [] {
        std::unordered_map<std::string_view, const RecordChange*> names;
        for (const RecordChange& change : changes)
            names.emplace(change.change, &change);
        return names;
    }();
    const auto found = byName.find(changeName);
    return found == byName.end() ? nullptr : found->second;
}

bool fieldHolds(const RecordField& field, uint32_t value)
{
    const uint32_t shift = shiftOf(field);
    const uint32_t placed = value << shift;
    return placed >> shift == value && (placed & ~field.mask) == 0;
}

void storeField(std::vector<uint8_t>& record, uint32_t base, const RecordField& field, uint32_t value)
{
    orWord(record, base + field.offset, value << shiftOf(field));
}

uint32_t loadField(const uint8_t* record, uint32_t base, const RecordField& field)
{
    return (readWord(record + base + field.offset, WordOrder::BigEndian) & field.mask) >> shiftOf(field);
}

void orWord(std::vector<uint8_t>& record, uint32_t offset, uint32_t bits)
{
    for (uint32_t i = 0; i < 4; ++i)
        record[offset + i] |= static_cast<uint8_t>(bits >> (8 * (3 - i)));
}

void markNoLine(std::vector<uint8_t>& record, uint32_t offset)
{
    orWord(record, offset + CHBORDER_LINE_STYLE, CHLINE_NONE);
}

bool hasNoLine(const uint8_t* side)
{
    for (uint32_t offset = 0; offset < CHBORDER_RECORD_SIZE; offset += 4) {
        const uint32_t expected = offset == CHBORDER_LINE_STYLE ? CHLINE_NONE : 0;
        if (readWord(side + offset, WordOrder::BigEndian) != expected)
            return false;
    }
    return true;
}

} // namespace trxhost
