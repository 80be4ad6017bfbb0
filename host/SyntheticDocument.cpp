#include "trxhost/SyntheticDocument.h"

#include "trx/changes.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>
#include <stdexcept>
#include <string>
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

// What is repeated: its text, and its change records with the text runs
// counted from the start of that text.
struct RepeatedUnit {
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

// A document: the opening changes, the unit `count` times, the closing ones.
struct DocumentShape {
    std::vector<ChangeRecord> opening;
    RepeatedUnit unit;
    std::vector<ChangeRecord> closing;
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

const DocumentShape& paragraphsShape()
{
    static const DocumentShape shape = [] {
        DocumentShape document{{kOpening.begin(), kOpening.end()}, {}, {kDocumentEnd}};
        for (const Run& run : kParagraphRuns)
            document.unit.addRun(run);
        document.unit.changes.push_back(kParagraphEnd);
        return document;
    }();
    return shape;
}

// Each row gives its row format and cell formats first, then each cell's
// text and cell end, then the row end.
const DocumentShape& tableShape()
{
    static const DocumentShape shape = [] {
        DocumentShape document{{kOpening.begin(), kOpening.end()}, {}, {{CHCHANGE_END_TABLE, 0, 0, 0}, kDocumentEnd}};
        document.opening.push_back({CHCHANGE_BEGIN_TABLE, 0, 0, 0});
        RepeatedUnit& row = document.unit;
        row.changes.push_back({CHCHANGE_ROW_FORMAT, 0, 0, 0});
        for (uint32_t cell = 0; cell < kCellsPerRow; ++cell)
            row.changes.push_back({CHCHANGE_CELL_FORMAT, cell, 0, 0});
        for (const Run& run : kCellRuns) {
            row.addRun(run);
            row.changes.push_back({CHCHANGE_BREAK, CHBREAK_CELL_END, 0, 0});
        }
        row.changes.push_back({CHCHANGE_BREAK, CHBREAK_ROW_END, 0, 0});
        return document;
    }();
    return shape;
}

class GeneratedChanges : public ItemSource {
public:
    GeneratedChanges(const DocumentShape& shape, uint32_t count) : shape_(shape), count_(count) {}

    uint32_t length() const override
    {
        return static_cast<uint32_t>(shape_.opening.size() + count_ * unitChanges() + shape_.closing.size());
    }

    void copy(uint32_t first, uint32_t count, uint8_t* out) const override
    {
        for (uint32_t id = first; id < first + count; ++id, out += sizeof(ChangeRecord)) {
            const ChangeRecord record = change(id);
            std::memcpy(out, &record, sizeof record);
        }
    }

private:
    uint32_t unitChanges() const { return static_cast<uint32_t>(shape_.unit.changes.size()); }

    ChangeRecord change(uint32_t id) const
    {
        if (id < shape_.opening.size())
            return shape_.opening[id];
        const uint32_t index = id - static_cast<uint32_t>(shape_.opening.size());
        const uint32_t unit = index / unitChanges();
        if (unit >= count_)
            return shape_.closing[index - count_ * unitChanges()];
        ChangeRecord record = shape_.unit.changes[index % unitChanges()];
        if (record.type == CHCHANGE_TEXT)
            record.value1 += unit * static_cast<uint32_t>(shape_.unit.text.size());
        return record;
    }

    const DocumentShape& shape_;
    uint32_t count_;
};

// The unit's text, once per unit.
class RepeatedText : public ItemSource {
public:
    RepeatedText(const std::u16string& text, uint32_t count) : text_(text), count_(count) {}

    uint32_t length() const override { return count_ * static_cast<uint32_t>(text_.size()); }

    void copy(uint32_t first, uint32_t count, uint8_t* out) const override
    {
        for (uint32_t id = first; id < first + count; ++id, out += sizeof(char16_t))
            std::memcpy(out, &text_[id % text_.size()], sizeof(char16_t));
    }

private:
    const std::u16string& text_;
    uint32_t count_;
};

void addFont(Document& document, uint32_t id, const std::u16string& name)
{
    std::vector<uint8_t> units;
    for (const char16_t unit : name)
        appendNumber(units, unit, 2, WordOrder::Native);
    const uint32_t nameId = document.list(CHLIST_PROPERTY_TEXT)->append(units);
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
    constexpr std::size_t kRowCellCount = 24;
    constexpr std::size_t kLeftGutter = 8, kRightGutter = 12, kWidth = 16;
    document.list(CHLIST_ROW_FORMATS)
        ->append(bigEndianRecord(CHRECORD_SIZE_ROW_FORMAT, {{kRowCellCount, kCellsPerRow}}));
    for (uint32_t cell = 0; cell < kCellsPerRow; ++cell)
        document.list(CHLIST_CELL_FORMATS)
            ->append(bigEndianRecord(CHRECORD_SIZE_CELL_FORMAT,
                                     {{kLeftGutter, kCellGutter}, {kRightGutter, kCellGutter}, {kWidth, kCellWidth}}));
}

} // namespace

std::unique_ptr<Document> makeSyntheticDocument(uint32_t count, SyntheticWorkload workload)
{
    const DocumentShape& shape = workload == SyntheticWorkload::Table ? tableShape() : paragraphsShape();
    const std::size_t fixed = shape.opening.size() + shape.closing.size();
    if (count > (ItemList::kMaxLength - fixed) / shape.unit.changes.size() ||
        count > ItemList::kMaxLength / shape.unit.text.size())
        throw std::length_error(std::to_string(count) +
                                (workload == SyntheticWorkload::Table ? " rows" : " paragraphs") +
                                " do not fit in the host's lists");
    auto document = std::make_unique<Document>();
    addFont(*document, 1, u"Times New Roman");
    addFont(*document, 2, u"Arial");
    if (workload == SyntheticWorkload::Table)
        addTableFormats(*document);
    *document->list(CHLIST_CHANGES) =
        ItemList(*findListLayout(CHLIST_CHANGES), std::make_shared<GeneratedChanges>(shape, count));
    *document->list(CHLIST_TEXT) =
        ItemList(*findListLayout(CHLIST_TEXT), std::make_shared<RepeatedText>(shape.unit.text, count));
    return document;
}

} // namespace trxhost
