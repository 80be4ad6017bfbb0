#include "trxhost/SyntheticDocument.h"

#include "trx/changes.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace trxhost {

namespace {

constexpr uint32_t kUnicode = 0x14B00000;
constexpr uint32_t kWindowsWestern = 0x14E40100;

struct ChangeRecord {
    uint32_t type;
    uint32_t value1;
    uint32_t value2;
    uint32_t value3;
};

// Before the paragraphs: the document's properties are complete, then the
// section's page and the text's character set, font and size.
constexpr std::array<ChangeRecord, 8> kOpening = {{
    {CHCHANGE_BREAK, CHBREAK_DOCUMENT_PROPERTIES_DONE, 0, 0},
    {CHCHANGE_PAGE_SIZE, 15840, 12240, 0}, // height, width
    {CHCHANGE_ORIENTATION, 0, 0, 0},       // portrait
    {CHCHANGE_SIDE_MARGINS, 1440, 1440, 0},
    {CHCHANGE_TOP_BOTTOM_MARGINS, 1440, 1440, 0},
    {CHCHANGE_CHARACTER_SET, kUnicode, 0, 0},
    {CHCHANGE_FONT, 1, 0, 0},
    {CHCHANGE_FONT_SIZE, 24, 0, 0},
}};
constexpr ChangeRecord kParagraphEnd = {CHCHANGE_BREAK, CHBREAK_PARAGRAPH_END, 0, 0};
constexpr ChangeRecord kDocumentEnd = {CHCHANGE_BREAK, CHBREAK_DOCUMENT_END, 0, 0};

// A text run and the character attribute it is in (0: none).
struct Run {
    const char16_t* text;
    uint32_t attribute;
};

// A stretch of the document: its text, and its change records with the text
// runs counted from the start of that text.
struct Stretch {
    std::u16string text;
    std::vector<ChangeRecord> changes;

    void addRun(const Run& run)
    {
        const std::u16string runText = run.text;
        if (run.attribute)
            changes.push_back({CHCHANGE_ATTRIBUTE, run.attribute, 1, 0});
        changes.push_back(
            {CHCHANGE_TEXT, static_cast<uint32_t>(text.size()), static_cast<uint32_t>(runText.size()), 0});
        if (run.attribute)
            changes.push_back({CHCHANGE_ATTRIBUTE, run.attribute, 0, 0});
        text += runText;
    }
};

// A document: the opening, the unit `count` times, the closing changes. The
// text list holds the opening's text, then the unit's once per unit.
struct DocumentShape {
    Stretch opening;
    Stretch unit;
    std::vector<ChangeRecord> closing;
    // The list level of each unit in turn, given to the unit's counter
    // change; empty when the units are not numbered.
    std::vector<uint32_t> levels;
    // Whether the unit's attribute change switches its attribute on in
    // even units and off in odd ones.
    bool alternating = false;
};

constexpr Run kParagraphRuns[] = {
    {u"A generated paragraph with ", 0},
    {u"bold", CHATTR_BOLD},
    {u" and ", 0},
    {u"italic", CHATTR_ITALIC},
    {u" words, written again and again to make a document as long as asked for.", 0},
};

constexpr Run kCellRuns[] = {{u"Region", 0}, {u"4 120", 0}, {u"3 980", 0}, {u"+3.5 %", 0}};
constexpr uint32_t kCellsPerRow = std::size(kCellRuns);
constexpr uint32_t kCellWidth = 2160;
constexpr uint32_t kCellGutter = 108;

// One paragraph: each unit is a text run, bold in every other one.
DocumentShape runsShape()
{
    DocumentShape document{{{}, {kOpening.begin(), kOpening.end()}}, {}, {kParagraphEnd, kDocumentEnd}, {}, true};
    document.unit.changes.push_back({CHCHANGE_ATTRIBUTE, CHATTR_BOLD, 1, 0});
    document.unit.addRun({u"run ", 0});
    return document;
}

DocumentShape paragraphsShape()
{
    DocumentShape document{{{}, {kOpening.begin(), kOpening.end()}}, {}, {kDocumentEnd}, {}};
    for (const Run& run : kParagraphRuns)
        document.unit.addRun(run);
    document.unit.changes.push_back(kParagraphEnd);
    return document;
}

// Each row gives its row format and cell formats first, then each cell's
// text and cell end, then the row end.
DocumentShape tableShape()
{
    DocumentShape document{
        {{}, {kOpening.begin(), kOpening.end()}}, {}, {{CHCHANGE_END_TABLE, 0, 0, 0}, kDocumentEnd}, {}};
    document.opening.changes.push_back({CHCHANGE_BEGIN_TABLE, 0, 0, 0});
    Stretch& row = document.unit;
    row.changes.push_back({CHCHANGE_ROW_FORMAT, 0, 0, 0});
    for (uint32_t cell = 0; cell < kCellsPerRow; ++cell)
        row.changes.push_back({CHCHANGE_CELL_FORMAT, cell, 0, 0});
    for (const Run& run : kCellRuns) {
        row.addRun(run);
        row.changes.push_back({CHCHANGE_BREAK, CHBREAK_CELL_END, 0, 0});
    }
    row.changes.push_back({CHCHANGE_BREAK, CHBREAK_ROW_END, 0, 0});
    return document;
}

class GeneratedChanges : public ItemSource {
public:
    GeneratedChanges(std::shared_ptr<const DocumentShape> shape, uint32_t count)
        : shape_(std::move(shape)), count_(count)
    {
    }

    uint32_t length() const override
    {
        return static_cast<uint32_t>(openingChanges() + count_ * unitChanges() + shape_->closing.size());
    }

    void copy(uint32_t first, uint32_t count, uint8_t* out) const override
    {
        for (uint32_t id = first; id < first + count; ++id, out += sizeof(ChangeRecord)) {
            const ChangeRecord record = change(id);
            std::memcpy(out, &record, sizeof record);
        }
    }

private:
    uint32_t openingChanges() const { return static_cast<uint32_t>(shape_->opening.changes.size()); }
    uint32_t unitChanges() const { return static_cast<uint32_t>(shape_->unit.changes.size()); }

    ChangeRecord change(uint32_t id) const
    {
        if (id < openingChanges())
            return shape_->opening.changes[id];
        const uint32_t index = id - openingChanges();
        const uint32_t unit = index / unitChanges();
        if (unit >= count_)
            return shape_->closing[index - count_ * unitChanges()];
        ChangeRecord record = shape_->unit.changes[index % unitChanges()];
        if (record.type == CHCHANGE_TEXT)
            record.value1 += static_cast<uint32_t>(shape_->opening.text.size() + unit * shape_->unit.text.size());
        else if (record.type == CHCHANGE_APPLY_COUNTER)
            record.value2 = shape_->levels[unit % shape_->levels.size()];
        else if (record.type == CHCHANGE_ATTRIBUTE && shape_->alternating)
            record.value2 = unit % 2 == 0 ? 1 : 0;
        return record;
    }

    std::shared_ptr<const DocumentShape> shape_;
    uint32_t count_;
};

// The opening's text, then the unit's once per unit.
class GeneratedText : public ItemSource {
public:
    GeneratedText(std::shared_ptr<const DocumentShape> shape, uint32_t count) : shape_(std::move(shape)), count_(count)
    {
    }

    uint32_t length() const override
    {
        return static_cast<uint32_t>(opening().size() + count_ * shape_->unit.text.size());
    }

    void copy(uint32_t first, uint32_t count, uint8_t* out) const override
    {
        const std::u16string& unit = shape_->unit.text;
        for (uint32_t id = first; id < first + count; ++id, out += sizeof(char16_t)) {
            const char16_t* text =
                id < opening().size() ? &opening()[id] : &unit[(id - opening().size()) % unit.size()];
            std::memcpy(out, text, sizeof(char16_t));
        }
    }

private:
    const std::u16string& opening() const { return shape_->opening.text; }

    std::shared_ptr<const DocumentShape> shape_;
    uint32_t count_;
};

// Appends `text` to the property text list; returns the id of its first unit.
uint32_t addPropertyText(Document& document, const std::u16string& text)
{
    std::vector<uint8_t> units;
    for (const char16_t unit : text)
        appendNumber(units, unit, 2, WordOrder::Native);
    return document.list(CHLIST_PROPERTY_TEXT)->append(units);
}

void addFont(Document& document, uint32_t id, const std::u16string& name)
{
    const uint32_t nameId = addPropertyText(document, name);
    std::vector<uint8_t> record;
    for (const uint32_t word : {id, 0u, nameId, static_cast<uint32_t>(name.size()), kWindowsWestern})
        appendNumber(record, word, 4, WordOrder::Native);
    document.list(CHLIST_FONTS)->append(record);
}

// A record of big-endian words, each at its offset; the rest is zero.
std::vector<uint8_t> bigEndianRecord(std::size_t size, std::initializer_list<std::pair<std::size_t, uint32_t>> fields)
{
    std::vector<uint8_t> record(size);
    for (const auto& [offset, value] : fields) {
        std::vector<uint8_t> word;
        appendNumber(word, value, 4, WordOrder::BigEndian);
        std::copy(word.begin(), word.end(), record.begin() + static_cast<std::ptrdiff_t>(offset));
    }
    return record;
}

// Row format 0: no flags, no offset, automatic height, four cells; cell
// formats 0 to 3: the width and gutters at the offsets the reader takes.
void addTableFormats(Document& document)
{
    document.list(CHLIST_ROW_FORMATS)->append(bigEndianRecord(CHRECORD_SIZE_ROW_FORMAT, {{CHROW_CELLS, kCellsPerRow}}));
    for (uint32_t cell = 0; cell < kCellsPerRow; ++cell)
        document.list(CHLIST_CELL_FORMATS)
            ->append(bigEndianRecord(
                CHRECORD_SIZE_CELL_FORMAT,
                {{CHCELL_LEFT_GUTTER, kCellGutter}, {CHCELL_RIGHT_GUTTER, kCellGutter}, {CHCELL_WIDTH, kCellWidth}}));
}

void addTagTrack(Document& document, uint32_t changeId, uint32_t tagId, uint32_t tagType)
{
    std::vector<uint8_t> record;
    for (const uint32_t word : {changeId, tagId, tagType})
        appendNumber(record, word, 4, WordOrder::Native);
    document.list(CHLIST_TAG_TRACKS)->append(record);
}

// The list style and its levels: each level's number is its prefix, the
// level's count in its format and a full stop ("Part b.").
constexpr uint32_t kListStyle = 1;
constexpr uint32_t kStyleDefinitionTag = 1; // the number texts' tags follow it, one per level

struct ListLevel {
    const char16_t* prefix;
    uint32_t format;
};

constexpr ListLevel kListLevels[] = {
    {u"Item ", 1},        // decimal
    {u"Part ", 0x20002},  // lower-case letters
    {u"Point ", 0x20003}, // lower-case roman numerals
};
// Down to the deepest level and back up, over and over.
constexpr uint32_t kLevelCycle[] = {0, 1, 2, 1};

constexpr Run kListItemRun = {u"A numbered paragraph of a generated list, its number given by its level.", 0};

// The style definition comes before the document's properties are done, so
// that the style table holds it. Inside it each level's number text is a
// tagged stretch that the level's counter record names; the tag track list
// says where each stretch begins.
DocumentShape listShape(Document& document)
{
    DocumentShape shape{{}, {}, {kDocumentEnd}, {std::begin(kLevelCycle), std::end(kLevelCycle)}};
    std::vector<ChangeRecord>& opening = shape.opening.changes;
    ItemList& data = *document.list(CHLIST_DATA);

    const std::u16string name = u"Generated list";
    const auto nameChange = static_cast<uint32_t>(opening.size() + 1);
    opening.push_back({CHCHANGE_BEGIN_TAG, CHTAG_STYLE_DEFINITION, kStyleDefinitionTag,
                       data.append(bigEndianRecord(CHSTYLE_RECORD_SIZE, {{CHSTYLE_ID, kListStyle},
                                                                         {CHSTYLE_KIND, CHSTYLE_LIST},
                                                                         {CHSTYLE_NAME, nameChange},
                                                                         {CHSTYLE_BASE, CHSTYLE_NO_BASE}}))});
    opening.push_back({CHCHANGE_PROPERTY_TEXT, addPropertyText(document, name), 0, static_cast<uint32_t>(name.size())});
    for (uint32_t level = 0; level < std::size(kListLevels); ++level) {
        const uint32_t tag = kStyleDefinitionTag + 1 + level;
        addTagTrack(document, static_cast<uint32_t>(opening.size()), tag, CHTAG_NUMBER_TEXT);
        opening.push_back({CHCHANGE_BEGIN_TAG, CHTAG_NUMBER_TEXT, tag, 0});
        shape.opening.addRun({kListLevels[level].prefix, 0});
        opening.push_back({CHCHANGE_COUNTER_REFERENCE, CHCOUNTER_LIST_NUMBER, level, 0});
        shape.opening.addRun({u".", 0});
        opening.push_back({CHCHANGE_END_TAG, CHTAG_NUMBER_TEXT, tag, 0});
        const uint32_t counter =
            data.append(bigEndianRecord(CHCOUNTER_RECORD_SIZE, {{CHCOUNTER_START, 1},
                                                                {CHCOUNTER_COUNT_BY, 1},
                                                                {CHCOUNTER_NUMBER_TEXT, tag},
                                                                {CHCOUNTER_FORMAT, kListLevels[level].format}}));
        opening.push_back({CHCHANGE_DEFINE_COUNTER, CHCOUNTER_LIST_NUMBER, level, counter});
    }
    opening.push_back({CHCHANGE_END_TAG, CHTAG_STYLE_DEFINITION, kStyleDefinitionTag, 0});
    opening.insert(opening.end(), kOpening.begin(), kOpening.end());

    // The counter change's level is the paragraph's place in the cycle.
    shape.unit.changes.push_back({CHCHANGE_APPLY_STYLE, 0, kListStyle, 0});
    shape.unit.changes.push_back({CHCHANGE_APPLY_COUNTER, CHCOUNTER_LIST_NUMBER, 0, 1});
    shape.unit.addRun(kListItemRun);
    shape.unit.changes.push_back(kParagraphEnd);
    return shape;
}

const char* unitName(SyntheticWorkload workload)
{
    switch (workload) {
    case SyntheticWorkload::Table:
        return " rows";
    case SyntheticWorkload::Runs:
        return " text runs";
    default:
        return " paragraphs";
    }
}

DocumentShape shapeOf(SyntheticWorkload workload, Document& document)
{
    switch (workload) {
    case SyntheticWorkload::Table:
        addTableFormats(document);
        return tableShape();
    case SyntheticWorkload::List:
        return listShape(document);
    case SyntheticWorkload::Runs:
        return runsShape();
    case SyntheticWorkload::Paragraphs:
        break;
    }
    return paragraphsShape();
}

} // namespace

std::unique_ptr<Document> makeSyntheticDocument(uint32_t count, SyntheticWorkload workload)
{
    auto document = std::make_unique<Document>();
    addFont(*document, 1, u"Times New Roman");
    addFont(*document, 2, u"Arial");
    const auto shape = std::make_shared<const DocumentShape>(shapeOf(workload, *document));
    const std::size_t fixed = shape->opening.changes.size() + shape->closing.size();
    if (count > (ItemList::kMaxLength - fixed) / shape->unit.changes.size() ||
        count > (ItemList::kMaxLength - shape->opening.text.size()) / shape->unit.text.size())
        throw std::length_error(std::to_string(count) + unitName(workload) + " do not fit in the host's lists");
    *document->list(CHLIST_CHANGES) =
        ItemList(*findListLayout(CHLIST_CHANGES), std::make_shared<GeneratedChanges>(shape, count));
    *document->list(CHLIST_TEXT) =
        ItemList(*findListLayout(CHLIST_TEXT), std::make_shared<GeneratedText>(shape, count));
    return document;
}

} // namespace trxhost
