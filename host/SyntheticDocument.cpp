#include "trxhost/SyntheticDocument.h"

#include "trx/changes.h"

#include <array>
#include <cstring>
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

// The text runs of every paragraph, in order, each with the character
// attribute it is in (0: none).
struct Run {
    const char16_t* text;
    uint32_t attribute;
};

constexpr Run kRuns[] = {
    {u"A generated paragraph with ", 0},
    {u"bold", CHATTR_BOLD},
    {u" and ", 0},
    {u"italic", CHATTR_ITALIC},
    {u" words, written again and again to make a document as long as asked for.", 0},
};

// One paragraph: its text, and its change records with the text runs
// counted from the start of the paragraph's text.
struct ParagraphShape {
    std::u16string text;
    std::vector<ChangeRecord> changes;
};

const ParagraphShape& paragraphShape()
{
    static const ParagraphShape shape = [] {
        ParagraphShape paragraph;
        for (const Run& run : kRuns) {
            const std::u16string text = run.text;
            if (run.attribute)
                paragraph.changes.push_back({CHCHANGE_ATTRIBUTE, run.attribute, 1, 0});
            paragraph.changes.push_back(
                {CHCHANGE_TEXT, static_cast<uint32_t>(paragraph.text.size()), static_cast<uint32_t>(text.size()), 0});
            if (run.attribute)
                paragraph.changes.push_back({CHCHANGE_ATTRIBUTE, run.attribute, 0, 0});
            paragraph.text += text;
        }
        paragraph.changes.push_back(kParagraphEnd);
        return paragraph;
    }();
    return shape;
}

uint32_t changesPerParagraph()
{
    return static_cast<uint32_t>(paragraphShape().changes.size());
}

uint32_t unitsPerParagraph()
{
    return static_cast<uint32_t>(paragraphShape().text.size());
}

class GeneratedChanges : public ItemSource {
public:
    explicit GeneratedChanges(uint32_t paragraphs) : paragraphs_(paragraphs) {}

    uint32_t length() const override
    {
        return static_cast<uint32_t>(kOpening.size()) + paragraphs_ * changesPerParagraph() + 1;
    }

    void copy(uint32_t first, uint32_t count, uint8_t* out) const override
    {
        for (uint32_t id = first; id < first + count; ++id, out += sizeof(ChangeRecord)) {
            const ChangeRecord record = change(id);
            std::memcpy(out, &record, sizeof record);
        }
    }

private:
    ChangeRecord change(uint32_t id) const
    {
        if (id < kOpening.size())
            return kOpening[id];
        const uint32_t index = id - static_cast<uint32_t>(kOpening.size());
        const uint32_t paragraph = index / changesPerParagraph();
        if (paragraph == paragraphs_)
            return kDocumentEnd;
        ChangeRecord record = paragraphShape().changes[index % changesPerParagraph()];
        if (record.type == CHCHANGE_TEXT)
            record.value1 += paragraph * unitsPerParagraph();
        return record;
    }

    uint32_t paragraphs_;
};

// The paragraph's text, once per paragraph.
class RepeatedText : public ItemSource {
public:
    explicit RepeatedText(uint32_t paragraphs) : paragraphs_(paragraphs) {}

    uint32_t length() const override { return paragraphs_ * unitsPerParagraph(); }

    void copy(uint32_t first, uint32_t count, uint8_t* out) const override
    {
        const std::u16string& text = paragraphShape().text;
        for (uint32_t id = first; id < first + count; ++id, out += sizeof(char16_t))
            std::memcpy(out, &text[id % text.size()], sizeof(char16_t));
    }

private:
    uint32_t paragraphs_;
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

} // namespace

std::unique_ptr<Document> makeSyntheticDocument(uint32_t paragraphs)
{
    if (paragraphs > (ItemList::kMaxLength - kOpening.size() - 1) / changesPerParagraph() ||
        paragraphs > ItemList::kMaxLength / unitsPerParagraph())
        throw std::length_error(std::to_string(paragraphs) + " paragraphs do not fit in the host's lists");
    auto document = std::make_unique<Document>();
    addFont(*document, 1, u"Times New Roman");
    addFont(*document, 2, u"Arial");
    *document->list(CHLIST_CHANGES) =
        ItemList(*findListLayout(CHLIST_CHANGES), std::make_shared<GeneratedChanges>(paragraphs));
    *document->list(CHLIST_TEXT) = ItemList(*findListLayout(CHLIST_TEXT), std::make_shared<RepeatedText>(paragraphs));
    return document;
}

} // namespace trxhost
