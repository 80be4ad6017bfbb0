#include "frontends/DocumentBuilder.h"

#include "frontends/Measure.h"
#include "frontends/Utf16.h"
#include "trx/changes.h"
#include "trx/platform.h"
#include "trxhost/Document.h"

#include <optional>

namespace frontends {

namespace {

// The host's character set of UTF-16 units: the text lists are filled with
// the importers' text as UTF-16, so the text and font names are read so.
constexpr uint32_t kUnicodeCharacterSet = 0x14B00000;
// Section start code of a section that begins on a new page.
constexpr uint32_t kSectionStartNewPage = 1;
constexpr uint32_t kPortrait = 0;
constexpr uint32_t kLandscape = 1;
constexpr uint16_t kSpace = 0x20;
constexpr uint32_t kWordSize = 4;
constexpr uint32_t kUnitSize = 2;

// Appends units to a list of 16-bit units; returns the id of the first.
uint32_t appendUnits(trxhost::Document& document, uint32_t listType, const std::vector<uint16_t>& units)
{
    trxhost::ItemList& list = *document.list(listType);
    std::vector<uint8_t> bytes;
    for (const uint16_t unit : units)
        trxhost::appendNumber(bytes, unit, kUnitSize, list.layout().order);
    return list.append(bytes);
}

} // namespace

DocumentBuilder::DocumentBuilder()
    : document_(std::make_unique<trxhost::Document>()),
      frames_(*document_, [this](uint32_t type, uint32_t value1, uint32_t value2, uint32_t value3) {
          return appendChange(type, value1, value2, value3);
      })
{
}

DocumentBuilder::~DocumentBuilder() = default;

std::unique_ptr<trxhost::Document> DocumentBuilder::takeDocument()
{
    return std::move(document_);
}

void DocumentBuilder::flushText()
{
    if (pendingText_.empty())
        return;
    const uint32_t first = appendUnits(*document_, CHLIST_TEXT, pendingText_);
    document_->appendChange(CHCHANGE_TEXT, first, static_cast<uint32_t>(pendingText_.size()));
    pendingText_.clear();
}

uint32_t DocumentBuilder::appendChange(uint32_t type, uint32_t value1, uint32_t value2, uint32_t value3)
{
    flushText();
    return document_->appendChange(type, value1, value2, value3);
}

void DocumentBuilder::beginBody()
{
    if (bodyBegun_)
        return;
    bodyBegun_ = true;
    appendChange(CHCHANGE_BREAK, CHBREAK_DOCUMENT_PROPERTIES_DONE);
    appendChange(CHCHANGE_CHARACTER_SET, kUnicodeCharacterSet);
}

void DocumentBuilder::endDocument()
{
    beginBody();
    frames_.finish();
    appendChange(CHCHANGE_BREAK, CHBREAK_DOCUMENT_END);
    finished_ = true;
}

void DocumentBuilder::openPageSpan(const librevenge::RVNGPropertyList& properties)
{
    if (pageSeen_) {
        appendChange(CHCHANGE_BREAK, CHBREAK_SECTION);
        appendChange(CHCHANGE_SECTION_START, kSectionStartNewPage);
    }
    pageSeen_ = true;
    beginBody();
    writePageSettings(properties);
}

// Each setting is sent when the page span gives it whole: a size with both
// sides, margins in pairs as the host's changes carry them.
void DocumentBuilder::writePageSettings(const librevenge::RVNGPropertyList& properties)
{
    const auto width = twipsOf(properties["fo:page-width"]);
    const auto height = twipsOf(properties["fo:page-height"]);
    if (width && height)
        appendChange(CHCHANGE_PAGE_SIZE, *height, *width);
    if (const librevenge::RVNGProperty* orientation = properties["style:print-orientation"])
        appendChange(CHCHANGE_ORIENTATION, orientation->getStr() == "landscape" ? kLandscape : kPortrait);
    const auto left = twipsOf(properties["fo:margin-left"]);
    const auto right = twipsOf(properties["fo:margin-right"]);
    if (left && right)
        appendChange(CHCHANGE_SIDE_MARGINS, *left, *right);
    const auto top = twipsOf(properties["fo:margin-top"]);
    const auto bottom = twipsOf(properties["fo:margin-bottom"]);
    if (top && bottom)
        appendChange(CHCHANGE_TOP_BOTTOM_MARGINS, *top, *bottom);
}

void DocumentBuilder::closeParagraph()
{
    endParagraph();
}

void DocumentBuilder::closeListElement()
{
    endParagraph();
}

void DocumentBuilder::endParagraph()
{
    if (!takesContent())
        return;
    beginBody();
    appendChange(CHCHANGE_BREAK, CHBREAK_PARAGRAPH_END);
}

void DocumentBuilder::openSpan(const librevenge::RVNGPropertyList& properties)
{
    wanted_ = CharacterState::ofSpan(properties);
}

// Text outside a span has no formatting of its own: the attributes go off,
// the font and size stay as they were.
void DocumentBuilder::closeSpan()
{
    wanted_ = CharacterState();
}

// Changes are sent only when text follows, so that spans that only follow
// one another send no formatting back and forth.
void DocumentBuilder::applyCharacterState()
{
    for (const AttributeSwitch& change : attributeSwitches(current_, wanted_))
        appendChange(CHCHANGE_ATTRIBUTE, change.attribute, change.on ? 1 : 0);
    current_.attributes = wanted_.attributes;
    if (!wanted_.fontName.empty() && wanted_.fontName != current_.fontName) {
        appendChange(CHCHANGE_FONT, fontId(wanted_.fontName));
        current_.fontName = wanted_.fontName;
    }
    if (wanted_.fontSize != 0 && wanted_.fontSize != current_.fontSize) {
        appendChange(CHCHANGE_FONT_SIZE, wanted_.fontSize);
        current_.fontSize = wanted_.fontSize;
    }
}

void DocumentBuilder::appendContent(const std::vector<uint16_t>& units)
{
    if (!takesContent())
        return;
    beginBody();
    applyCharacterState();
    pendingText_.insert(pendingText_.end(), units.begin(), units.end());
}

void DocumentBuilder::appendSpecial(uint32_t character)
{
    if (!takesContent())
        return;
    beginBody();
    applyCharacterState();
    appendChange(CHCHANGE_SPECIAL_CHARACTER, character);
}

void DocumentBuilder::insertTab()
{
    appendSpecial(CHSPECIAL_TAB);
}

void DocumentBuilder::insertSpace()
{
    appendContent({kSpace});
}

void DocumentBuilder::insertText(const librevenge::RVNGString& text)
{
    std::vector<uint16_t> units;
    appendUtf16(text.cstr(), units);
    appendContent(units);
}

void DocumentBuilder::insertLineBreak()
{
    appendSpecial(CHSPECIAL_LINE_BREAK);
}

// Importers send the frames anchored to a page ahead of the first page's
// settings; they stand in the first paragraph, and the settings that follow
// them still shape the first page.
void DocumentBuilder::openFrame(const librevenge::RVNGPropertyList& properties)
{
    const bool carried = takesContent();
    if (carried)
        beginBody();
    frames_.openFrame(properties, carried);
}

// The text of a frame's content starts without formatting, and the
// formatting around the frame holds again after it.
void DocumentBuilder::closeFrame()
{
    if (const std::optional<FrameBuilder::Formatting> outside = frames_.closeFrame()) {
        current_ = outside->current;
        wanted_ = outside->wanted;
    }
}

void DocumentBuilder::insertBinaryObject(const librevenge::RVNGPropertyList& properties)
{
    frames_.insertBinaryObject(properties);
}

void DocumentBuilder::openTextBox(const librevenge::RVNGPropertyList&)
{
    if (frames_.openTextBox({current_, wanted_})) {
        current_ = CharacterState();
        wanted_ = CharacterState();
    }
}

void DocumentBuilder::closeTextBox()
{
    frames_.closeTextBox();
}

uint32_t DocumentBuilder::fontId(const std::string& name)
{
    if (const auto known = fonts_.find(name); known != fonts_.end())
        return known->second;
    const auto id = static_cast<uint32_t>(fonts_.size() + 1);
    std::vector<uint16_t> units;
    appendUtf16(name, units);
    const uint32_t nameId = appendUnits(*document_, CHLIST_PROPERTY_TEXT, units);
    trxhost::ItemList& list = *document_->list(CHLIST_FONTS);
    std::vector<uint8_t> record;
    for (const uint32_t word : {id, 0u, nameId, static_cast<uint32_t>(units.size()), kUnicodeCharacterSet})
        trxhost::appendNumber(record, word, kWordSize, list.layout().order);
    list.append(record);
    fonts_.emplace(name, id);
    return id;
}

} // namespace frontends
