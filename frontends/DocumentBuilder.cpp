#include "frontends/DocumentBuilder.h"

#include "frontends/StyleDefinition.h"
#include "frontends/Utf16.h"
#include "trx/changes.h"
#include "trx/platform.h"
#include "trxhost/Document.h"

#include <algorithm>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>

namespace frontends {

namespace {

// The host's character set of UTF-16 units: the text lists are filled with
// the importers' text as UTF-16, so the text and font names are read so.
constexpr uint32_t kUnicodeCharacterSet = 0x14B00000;
constexpr uint16_t kSpace = 0x20;
// Every paragraph is in the body style, a paragraph style that sets
// nothing, as a word processor's paragraphs are in its default style. So
// the formatting a paragraph or span has of its own is told apart from its
// style's: it is switched on where it begins and off where it ends.
constexpr uint32_t kBodyStyleId = 1;
constexpr char kBodyStyleName[] = "Normal";
// The change and text lists are sized ahead from the file's size, so that
// they do not grow by copying themselves whole, which for a moment holds
// them twice. A file byte gives at most one unit of text; changes run to
// about two bytes for each byte of the file in the formats measured, and
// room no change reaches costs address space only.
constexpr uint64_t kChangeBytesPerInputByte = 4;
constexpr uint64_t kTextBytesPerInputByte = 2;
// Beyond this the lists grow as they go: no file reserves more.
constexpr uint64_t kMaxReservedBytes = uint64_t{1} << 32;

// Room that cannot be had is not needed: the lists then grow as they go.
void reserveFor(trxhost::Document& document, uint64_t inputBytes)
{
    try {
        document.list(CHLIST_CHANGES)->reserve(std::min(inputBytes * kChangeBytesPerInputByte, kMaxReservedBytes));
        document.list(CHLIST_TEXT)->reserve(std::min(inputBytes * kTextBytesPerInputByte, kMaxReservedBytes));
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
}

} // namespace

DocumentBuilder::DocumentBuilder(uint64_t inputBytes)
    : document_(std::make_unique<trxhost::Document>()), tables_(*document_),
      output_(*document_, [this](uint32_t type, uint32_t value1, uint32_t value2,
                                 uint32_t value3) { return appendChange(type, value1, value2, value3); }),
      lists_(output_), links_(output_), fields_(output_), frames_(output_)
{
    reserveFor(*document_, inputBytes);
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
    tables_.append(CHCHANGE_TEXT, first, static_cast<uint32_t>(pendingText_.size()));
    pendingText_.clear();
}

uint32_t DocumentBuilder::appendChange(uint32_t type, uint32_t value1, uint32_t value2, uint32_t value3)
{
    flushText();
    return tables_.append(type, value1, value2, value3);
}

void DocumentBuilder::beginBody()
{
    if (bodyBegun_)
        return;
    bodyBegun_ = true;
    endStyleDefinition(output_, beginStyleDefinition(output_, kBodyStyleId, CHSTYLE_PARAGRAPH, kBodyStyleName));
    appendChange(CHCHANGE_BREAK, CHBREAK_DOCUMENT_PROPERTIES_DONE);
    appendChange(CHCHANGE_CHARACTER_SET, kUnicodeCharacterSet);
}

void DocumentBuilder::closeOpenParts()
{
    while (!subDocuments_.empty())
        closeSubDocument();
    beginBody();
    flushText();
    tables_.closeAll();
}

void DocumentBuilder::endDocument()
{
    closeOpenParts();
    frames_.finish();
    appendChange(CHCHANGE_BREAK, CHBREAK_DOCUMENT_END);
    finished_ = true;
}

void DocumentBuilder::openPageSpan(const librevenge::RVNGPropertyList& properties)
{
    closeOpenParts();
    sections_.openPageSpan(*document_, properties);
}

bool DocumentBuilder::takesBodyEvent()
{
    if (!takesContent())
        return false;
    beginBody();
    flushText();
    return true;
}

void DocumentBuilder::openSection(const librevenge::RVNGPropertyList& properties)
{
    if (takesBodyEvent())
        sections_.openSection(*document_, properties);
}

void DocumentBuilder::closeSection()
{
    if (takesBodyEvent())
        sections_.closeSection(*document_);
}

void DocumentBuilder::openParagraph(const librevenge::RVNGPropertyList& properties)
{
    if (!startParagraph(properties))
        return;
    lists_.openParagraph();
}

void DocumentBuilder::openListElement(const librevenge::RVNGPropertyList& properties)
{
    if (!startParagraph(properties))
        return;
    lists_.openElement();
}

bool DocumentBuilder::startParagraph(const librevenge::RVNGPropertyList& properties)
{
    if (!takesContent())
        return false;
    beginBody();
    releaseHeldParagraphEnd();
    appendChange(CHCHANGE_APPLY_STYLE, 0, kBodyStyleId);
    current_ = CharacterState();
    for (const HostChange& change : paragraphChanges(ParagraphState(), ParagraphState::ofParagraph(properties)))
        appendChange(change.type, change.value1, change.value2, change.value3);
    // A break in a header, footer or note has no page or column to start.
    if (subDocuments_.empty())
        sections_.openParagraph(*document_, properties);
    return true;
}

void DocumentBuilder::closeParagraph()
{
    endParagraph();
}

void DocumentBuilder::closeListElement()
{
    endParagraph();
}

void DocumentBuilder::openOrderedListLevel(const librevenge::RVNGPropertyList& properties)
{
    if (takesBodyEvent())
        lists_.openLevel(properties, true);
}

void DocumentBuilder::openUnorderedListLevel(const librevenge::RVNGPropertyList& properties)
{
    if (takesBodyEvent())
        lists_.openLevel(properties, false);
}

void DocumentBuilder::closeOrderedListLevel()
{
    if (takesContent())
        lists_.closeLevel();
}

void DocumentBuilder::closeUnorderedListLevel()
{
    if (takesContent())
        lists_.closeLevel();
}

void DocumentBuilder::endParagraph()
{
    if (!takesContent())
        return;
    beginBody();
    if (!subDocuments_.empty()) {
        paragraphEndHeld_ = true;
        return;
    }
    flushText();
    tables_.endParagraph();
}

void DocumentBuilder::releaseHeldParagraphEnd()
{
    if (!paragraphEndHeld_)
        return;
    paragraphEndHeld_ = false;
    appendChange(CHCHANGE_BREAK, CHBREAK_PARAGRAPH_END);
}

void DocumentBuilder::openTable(const librevenge::RVNGPropertyList& properties)
{
    if (takesBodyEvent())
        tables_.openTable(properties);
}

void DocumentBuilder::closeTable()
{
    if (takesBodyEvent())
        tables_.closeTable();
}

void DocumentBuilder::openTableRow(const librevenge::RVNGPropertyList& properties)
{
    if (takesBodyEvent())
        tables_.openRow(properties);
}

void DocumentBuilder::closeTableRow()
{
    if (takesBodyEvent())
        tables_.closeRow();
}

void DocumentBuilder::openTableCell(const librevenge::RVNGPropertyList& properties)
{
    if (takesBodyEvent())
        tables_.openCell(properties);
}

void DocumentBuilder::closeTableCell()
{
    if (takesBodyEvent())
        tables_.closeCell();
}

void DocumentBuilder::insertCoveredTableCell(const librevenge::RVNGPropertyList& properties)
{
    if (takesBodyEvent())
        tables_.insertCoveredCell(properties);
}

bool DocumentBuilder::pushSubDocument(SubDocumentKind kind, bool placeable)
{
    std::vector<SubDocumentKind> open;
    for (const OpenSubDocument& subDocument : subDocuments_)
        open.push_back(subDocument.kind);
    const bool carried = takesContent() && placeable && mayOpenInside(kind, open);
    subDocuments_.push_back({kind, carried, 0, current_, wanted_, paragraphEndHeld_});
    if (!carried) {
        ++omitted_;
        return false;
    }
    beginBody();
    return true;
}

void DocumentBuilder::enterSubDocument(uint32_t type, uint32_t value1, uint32_t value3)
{
    const uint32_t tagId = output_.newTagId();
    subDocuments_.back().tagId = tagId;
    appendChange(CHCHANGE_BEGIN_TAG, CHTAG_SUBDOCUMENT, tagId);
    appendChange(type, value1, 0, value3);
    current_ = CharacterState();
    wanted_ = CharacterState();
    paragraphEndHeld_ = false;
}

void DocumentBuilder::openHeader(const librevenge::RVNGPropertyList& properties)
{
    openHeaderFooter(properties, true);
}

void DocumentBuilder::openFooter(const librevenge::RVNGPropertyList& properties)
{
    openHeaderFooter(properties, false);
}

// Each header and footer is read from a slot of its own, described just
// before it.
void DocumentBuilder::openHeaderFooter(const librevenge::RVNGPropertyList& properties, bool header)
{
    const std::optional<uint32_t> flags = slotFlagsOf(properties, header);
    if (!pushSubDocument(SubDocumentKind::HeaderFooter, flags.has_value()))
        return;
    // The slot's format record: its distances from the page edge stay 0, as
    // the importers give none and no output carries them.
    const std::vector<uint8_t> format(CHSLOTFORMAT_RECORD_SIZE, 0);
    const uint32_t slot = ++lastSlotId_;
    appendChange(CHCHANGE_SUBDOCUMENT_SLOT, document_->list(CHLIST_DATA)->append(format), *flags, slot);
    enterSubDocument(CHCHANGE_HEADER_FOOTER, 0, slot);
}

void DocumentBuilder::openFootnote(const librevenge::RVNGPropertyList& properties)
{
    openNote(properties, CHNOTE_FOOTNOTE);
}

void DocumentBuilder::openEndnote(const librevenge::RVNGPropertyList& properties)
{
    openNote(properties, CHNOTE_ENDNOTE);
}

// A note's reference takes the formatting of the text where it stands. A
// note with a label of its own starts with it as its reference mark; any
// other is numbered by the note counter of its kind.
void DocumentBuilder::openNote(const librevenge::RVNGPropertyList& properties, uint32_t kind)
{
    readyForContent();
    if (!pushSubDocument(SubDocumentKind::Note, true))
        return;
    enterSubDocument(CHCHANGE_NOTE, kind);
    const std::string label = noteLabelOf(properties);
    if (label.empty()) {
        appendChange(CHCHANGE_APPLY_COUNTER,
                     kind == CHNOTE_ENDNOTE ? CHCOUNTER_ENDNOTE_NUMBER : CHCOUNTER_FOOTNOTE_NUMBER);
        return;
    }
    const uint32_t markId = output_.newTagId();
    appendChange(CHCHANGE_BEGIN_TAG, CHTAG_NOTE_MARK_A, markId);
    std::vector<uint16_t> units;
    appendUtf16(label, units);
    appendContent(units);
    appendChange(CHCHANGE_END_TAG, CHTAG_NOTE_MARK_A, markId);
}

void DocumentBuilder::openComment(const librevenge::RVNGPropertyList&)
{
    if (pushSubDocument(SubDocumentKind::Comment, true))
        enterSubDocument(CHCHANGE_NOTE, CHNOTE_COMMENT);
}

// The text goes on with the formatting it had where the sub-document
// opened.
void DocumentBuilder::closeSubDocument()
{
    if (subDocuments_.empty())
        return;
    const OpenSubDocument closed = subDocuments_.back();
    subDocuments_.pop_back();
    if (!closed.carried) {
        --omitted_;
        return;
    }
    appendChange(CHCHANGE_END_TAG, CHTAG_SUBDOCUMENT, closed.tagId);
    current_ = closed.current;
    wanted_ = closed.wanted;
    paragraphEndHeld_ = closed.paragraphEndHeld;
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

bool DocumentBuilder::readyForContent()
{
    if (!takesContent())
        return false;
    beginBody();
    releaseHeldParagraphEnd();
    applyCharacterState();
    return true;
}

void DocumentBuilder::appendContent(const std::vector<uint16_t>& units)
{
    if (readyForContent())
        pendingText_.insert(pendingText_.end(), units.begin(), units.end());
}

void DocumentBuilder::appendSpecial(uint32_t character)
{
    if (readyForContent())
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

void DocumentBuilder::openLink(const librevenge::RVNGPropertyList& properties)
{
    if (takesBodyEvent())
        links_.open(properties);
}

void DocumentBuilder::closeLink()
{
    if (takesContent())
        links_.close();
}

void DocumentBuilder::insertField(const librevenge::RVNGPropertyList& properties)
{
    if (readyForContent())
        fields_.insert(properties);
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
    appendWords(*document_, CHLIST_FONTS, {id, 0u, nameId, static_cast<uint32_t>(units.size()), kUnicodeCharacterSet});
    fonts_.emplace(name, id);
    return id;
}

} // namespace frontends
