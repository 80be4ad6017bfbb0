#include "host/RecordForms.h"
#include "trx/changes.h"
#include "trxhost/ItemList.h"

#include <algorithm>
#include <unordered_map>

namespace trxhost {
namespace {

constexpr uint32_t kWholeWord = 0xFFFFFFFF;
// The line style word of a border record holds the style code and, in bit
// 0x40, the priority flag.
constexpr uint32_t kStyleOffset = 8;
constexpr uint32_t kPriorityFlag = 0x40;
constexpr uint32_t kNoLineStyle = 1;

// Host line style codes (other codes are written as numbers).
const ValueNames kLineStyles = {
    {"single", 0},  {"none", kNoLineStyle}, {"double", 2},     {"thick", 8},
    {"dotted", 32}, {"dashed", 128},        {"dot dash", 256}, {"dot dot dash", 512},
};

// Colours 0x00BBGGRR.
const ValueNames kColors = {
    {"black", 0x000000}, {"white", 0xFFFFFF},  {"red", 0x0000FF},  {"green", 0x00FF00},
    {"blue", 0xFF0000},  {"yellow", 0x00FFFF}, {"cyan", 0xFFFF00}, {"magenta", 0xFF00FF},
};

// Shading pattern indexes: 0 is no shading, 13 solid, 1 to 12 patterns.
const ValueNames kPatterns = {{"solid", 13}};
const ValueNames kHeightTypes = {{"at least", 2}, {"exact", 3}};
const ValueNames kRowAlignments = {{"left", 1}, {"center", 2}, {"right", 3}};
const ValueNames kVerticalAlignments = {{"top", 1}, {"center", 2}, {"bottom", 3}};
const ValueNames kNoteLocations = {{"page bottom", 1}, {"below text", 2}, {"section end", 4}, {"document end", 8}};
const ValueNames kStyleKinds = {{"paragraph", 1}, {"character", 2}, {"list", 3}};
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
const ValueNames kNoBaseStyle = {{"none", 0xFFFFFFFF}};

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

// The fields of a 20-byte shading record at `base`; the word at 16 is unused.
std::vector<RecordField> shadingFields(uint32_t base)
{
    return {choice("pattern", base, kPatterns, true, kWholeWord, kPattern),
            value("transparency", base + 4, kPercent, ArgumentStyle::Signed), color("foreground", base + 8),
            color("background", base + 12)};
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
        {"paragraph borders", CHLIST_DATA, 104, {}, {{"top", 4}, {"left", 24}, {"bottom", 44}, {"right", 64}}},
        {"paragraph shading", CHLIST_DATA, 20, shadingFields(0), {}},
        {"page borders", CHLIST_DATA, 80, {}, {{"top", 0}, {"left", 20}, {"bottom", 40}, {"right", 60}}},
        {"binding", CHLIST_DATA, 16, {length("width", 0)}, {}},
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
         36,
         {length("hot zone", 0), length("height", 4), choice("location", 16, kNoteLocations)},
         {}},
        {"subdocument format", CHLIST_DATA, 84, {length("header distance", 32), length("footer distance", 64)}, {}},
        {"toc bookmark", CHLIST_DATA, 8, {value("level", 0, kOutlineLevel), flag("hidden", 4, 0x01)}, {}},
        {"style definition",
         CHLIST_DATA,
         28,
         {code("style", 4), choice("kind", 8, kStyleKinds, true), value("name", 16, kId),
          choice("based on", 20, kNoBaseStyle)},
         {}},
        {"summary item", CHLIST_DATA, 4, {code("type", 0)}, {}},
        {"counter",
         CHLIST_DATA,
         36,
         {choice("restart", 0, kNoteRestarts, false, 0x7), value("start", 4, kNumber),
          choice("format", 32, kNumberFormats, true)},
         {}},
        {"list counter",
         CHLIST_DATA,
         36,
         {masked("start at", 4, 0xFFFF), masked("count by", 8, 0xFFFF), code("number text", 24),
          choice("format", 32, kNumberFormats, true, CHFORMAT_CODE_MASK), flag("lower", 32, CHFORMAT_LOWER_CASE)},
         {}},
        {"frame",
         CHLIST_DATA,
         188,
         {choice("kind", 0, kFrameKinds, true), code("vertical flags", 8, ArgumentStyle::Hex),
          code("horizontal flags", 12, ArgumentStyle::Hex), signedLength("horizontal offset", 16),
          signedLength("vertical offset", 20), choice("anchor", 24, kFrameAnchors, false, CHFRAME_ANCHOR_MASK),
          flag("transparent", 72, CHFRAME_TRANSPARENT), flag("auto width", 72, CHFRAME_AUTO_WIDTH),
          flag("auto height", 72, CHFRAME_AUTO_HEIGHT), length("width", 76), length("height", 80),
          flag("no shading", 176, 0x01), color("shading", 180)},
         {{"top", 92}, {"left", 112}, {"bottom", 132}, {"right", 152}}},
        {"embedded object",
         CHLIST_EMBEDDED_OBJECTS,
         CHRECORD_SIZE_EMBEDDED_OBJECT,
         {flag("included document", 8, CHOBJECT_INCLUDED_DOCUMENT), length("source height", 16),
          length("source width", 20), signedLength("crop top", 24), signedLength("crop left", 28),
          signedLength("crop bottom", 32), signedLength("crop right", 36), length("height", 40), length("width", 44),
          flag("keep aspect ratio", 128, CHOBJECT_KEEP_ASPECT_RATIO), value("properties", 132, kId),
          value("document properties", 136, kId)},
         {}},
        {"row format",
         CHLIST_ROW_FORMATS,
         CHRECORD_SIZE_ROW_FORMAT,
         {flag("header", 0, 0x01), signedLength("left", 4), length("height", 8),
          choice("height type", 12, kHeightTypes, true), choice("align", 20, kRowAlignments),
          value("cells", 24, kCount)},
         {}},
        {"cell format",
         CHLIST_CELL_FORMATS,
         CHRECORD_SIZE_CELL_FORMAT,
         joined({length("left gutter", 8), length("right gutter", 12), length("width", 16),
                 flag("merge before", 20, 0x01), flag("merge after", 20, 0x02), flag("merge above", 20, 0x04),
                 flag("merge below", 20, 0x08), choice("vertical align", 44, kVerticalAlignments, false, 0xFFFF0000)},
                shadingFields(24)),
         {{"left", 48}, {"right", 68}, {"top", 88}, {"bottom", 108}}},
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
        choice("style", kStyleOffset, kLineStyles, true, ~kPriorityFlag),
        length("width", 0),
        color("color", 4),
        length("inside", 12),
        length("outside", 16),
        flag("priority", kStyleOffset, kPriorityFlag),
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
    orWord(record, offset + kStyleOffset, kNoLineStyle);
}

bool hasNoLine(const uint8_t* side)
{
    for (uint32_t offset = 0; offset < kBorderSize; offset += 4) {
        const uint32_t expected = offset == kStyleOffset ? kNoLineStyle : 0;
        if (readWord(side + offset, WordOrder::BigEndian) != expected)
            return false;
    }
    return true;
}

} // namespace trxhost
