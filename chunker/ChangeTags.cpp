#include "chunker/ChangeTags.h"

#include "chunker/ChangeText.h"
#include "chunker/ChunkerExportState.h"
#include "chunker/FrameTags.h"
#include "chunker/HostRecords.h"
#include "chunker/NodeEditing.h"
#include "chunker/NoteTags.h"
#include "chunker/StyleDefinitionTags.h"
#include "chunker/SubDocuments.h"
#include "chunker/SummaryItemTags.h"
#include "chunker/TocIndexTags.h"
#include "chunker/WordParagraphNode.h"
#include "core/Exceptions.h"
#include "model/BookmarkNodes.h"
#include "model/CharacterSets.h"
#include "model/DateTimeFormats.h"
#include "model/FieldNodes.h"
#include "model/Locators.h"
#include "model/NodeFactory.h"
#include "model/PendingNode.h"
#include "model/ReferenceBeginCSNode.h"
#include "trx/changes.h"

#include <optional>
#include <vector>

namespace {

// A bookmark's data record: the word at offset 4 is the id of the change
// that names it.
constexpr std::size_t kBookmarkRecordSize = 8;
constexpr std::size_t kBookmarkNameChange = 4;
static_assert(holdsField(kBookmarkRecordSize, kBookmarkNameChange), "the name's change lies in the record");

// A cross-reference's data record: the word at offset 0 is its kind, 1 to 9
// (anything else is an unknown kind, 0). A hyperlink's record says nothing
// the reference needs; it is of kind 10.
constexpr std::size_t kReferenceRecordSize = 16;
constexpr std::size_t kReferenceKind = 0;
static_assert(holdsField(kReferenceRecordSize, kReferenceKind), "the kind lies in the record");
constexpr uint32_t kLastCrossReferenceKind = 9;
constexpr uint32_t kHyperlinkKind = 10;

// A date field that is not a date keeps only a paragraph for its content.
static_assert(holdsWords(CHDATEFIELD_RECORD_SIZE, CHDATEFIELD_KIND), "the kind lies in the record");

// The format code of each date part character, from
// CHSPECIAL_DATE_PART_FIRST on; 0 for the two that stand for none.
constexpr uint32_t kDatePartCodes[] = {6, 5, 5, 3, 3, 4, 4, 1, 2, 8, 8, 9, 9, 10, 10, 11, 0, 0, 7, 6};
static_assert(sizeof(kDatePartCodes) / sizeof(kDatePartCodes[0]) ==
                  CHSPECIAL_DATE_PART_LAST - CHSPECIAL_DATE_PART_FIRST + 1,
              "one code for each date part");

// Enough for every digit of a 32-bit tag id.
constexpr std::size_t kMaxTagIdDigits = 10;

// No tag name of a sound document comes near this; the bound keeps a damaged
// count from asking for gigabytes before the host is asked for the units.
constexpr uint32_t kMaxNameLength = 0x10000;

const char kEmptyStack[] = "REQUIRE: the_CTagStackPtr->empty() == FALSE\n\tFile: ChCTag  ln(1154)";
const char kNameChangeMissing[] = "REQUIRE: locErr == TRXERR_OK\n\tFile: ChCTag";
const char kNameTooLong[] = "REQUIRE: nameLength <= kMaxNameLength\n\tFile: ChCTag";
const char kPropertiesNeverEnd[] = "REQUIRE: changeType == CHCHANGE_END_PROPERTIES\n\tFile: ChCTag";
const char kNestedWithoutParent[] = "REQUIRE: pNodeParent->getParentNode() is a paragraph\n\tFile: ChCTag";
const char kFormatNeverEnds[] = "REQUIRE: changeType == CHCHANGE_END_TAG\n\tFile: ChCTag";
const char kDateFieldWithoutParent[] =
    "REQUIRE: pNodeParent->getParentNode() is a date field or a paragraph\n\tFile: ChCTag";
const char kFormatTextTooLong[] = "REQUIRE: count <= kMaxTextRunLength\n\tFile: ChCTag";

bool isNestedParagraph(uint32_t type)
{
    return type == CHTAG_NESTED_PARAGRAPH || type == CHTAG_NUMBER_TEXT;
}

// A nested paragraph of the cursor paragraph, which becomes the cursor.
void beginNestedParagraph(CWordParagraphNode& paragraph, INode*& cursor)
{
    openParagraphIn(paragraph, paragraph, cursor);
}

// The nested paragraph holds nothing of the document's text: it goes, with
// whatever was read into it, and its paragraph is the cursor again.
void endNestedParagraph(INode*& cursor)
{
    INode* parent = cursor->getParentNode();
    if (!parent || !dynamic_cast<CWordParagraphNode*>(parent))
        throw ExNodeParsingError(kNestedWithoutParent);
    cursor->release();
    cursor = parent;
}

// The cursor is the field's content paragraph. A date's paragraph is
// closed with its field, which may then be written (the field writes its
// format; its content stays unwritten); the paragraph holding the field is
// the cursor again. Any other field's paragraph goes like a nested one.
void endDateField(INode*& cursor)
{
    INode* holder = cursor->getParentNode();
    if (holder && dynamic_cast<CWordParagraphNode*>(holder)) {
        endNestedParagraph(cursor);
        return;
    }
    INode* outer = holder ? holder->getParentNode() : nullptr;
    if (!holder || !dynamic_cast<IDateTimeCSContent*>(holder->getIContent()) || !outer)
        throw ExNodeParsingError(kDateFieldWithoutParent);
    cursor->done();
    holder->done();
    cursor = outer;
}

// The format code of the special character `code` within a date format; 0
// (no code) for anything but a date part.
uint32_t datePartCode(uint32_t code)
{
    if (code < CHSPECIAL_DATE_PART_FIRST || code > CHSPECIAL_DATE_PART_LAST)
        return 0;
    return kDatePartCodes[code - CHSPECIAL_DATE_PART_FIRST];
}

bool isReference(uint32_t type)
{
    return type == CHTAG_REFERENCE || type == CHTAG_HYPERLINK;
}

// The end mark (of a bookmark, a TOC bookmark or a reference, `kind`) carries
// the name its begin was given; it too is done at once.
void endMark(CWordParagraphNode& paragraph, const CNameTypeIdTuple* named, EContentInterfaceID kind)
{
    CPendingNode node(paragraph.getNodeFactory()->createNode(kind));
    auto* end = dynamic_cast<IBookmarkEndCSContent*>(node.get());
    if (!end)
        return;
    if (named && named->getString())
        end->setName(*named->getString());
    paragraph.appendStrand(*node.take());
}

} // namespace

CTagStack& CChangeTags::tagStack()
{
    return SChunkerExportState::current().tagStack;
}

CTagList& CChangeTags::tagList()
{
    return SChunkerExportState::current().tagList;
}

const CNameTypeIdTuple* CChangeTags::findNamedTag(uint32_t id, uint32_t type)
{
    for (const auto& named : tagList()) {
        if (named->getTagId() == id && named->getTagType() == type)
            return named.get();
    }
    return nullptr;
}

void CChangeTags::recordNamedTag(uint32_t type, uint32_t id, const CCharacterString& name)
{
    auto named = std::make_unique<CNameTypeIdTuple>();
    named->setString(std::make_unique<CCharacterString>(name));
    named->setTagId(id);
    named->setTagType(type);
    tagList().push_back(std::move(named));
}

uint32_t CChangeBeginTag::itow7(uint16_t* buffer, uint32_t n)
{
    uint32_t written = 0;
    for (uint32_t divisor = 1000000000; divisor != 0; divisor /= 10) {
        const uint32_t digit = n / divisor % 10;
        if (written == 0 && digit == 0)
            continue;
        buffer[written++] = static_cast<uint16_t>(u'0' + digit);
    }
    return written;
}

uint32_t CChangeBeginTag::process(INode*& pNodeParent)
{
    tagStack().emplace_back(getValue1(), getValue2());
    auto* paragraph = dynamic_cast<CWordParagraphNode*>(pNodeParent);
    if (!paragraph)
        return 0;
    const uint32_t type = getValue1();
    if (type == CHTAG_BOOKMARK)
        beginBookmark(*paragraph);
    else if (isReference(type))
        beginReference(*paragraph);
    else if (isTocBookmark(type))
        beginTocBookmark(*this, *paragraph);
    else if (type == CHTAG_TABLE_OF_CONTENTS)
        attachEmptyMark(*paragraph, kTOCBeginCSNode);
    else if (type == CHTAG_INDEX)
        attachEmptyMark(*paragraph, kIndexBeginCSNode);
    else if (type == CHTAG_INDEX_BOOKMARK)
        beginIndexBookmark(*paragraph, pNodeParent);
    else if (type == CHTAG_DATE_FIELD)
        beginDateField(*paragraph, pNodeParent);
    else if (isNestedParagraph(type))
        beginNestedParagraph(*paragraph, pNodeParent);
    else if (type == CHTAG_FORMATTING_SCOPE)
        paragraph->pushStrandProperties();
    else if (type == CHTAG_STYLE_DEFINITION)
        beginStyleDefinition(*this, *paragraph, pNodeParent);
    else if (type == CHTAG_SUMMARY_ITEM)
        beginSummaryItem(*this, *paragraph, pNodeParent);
    else if (isNoteMarkTag(type))
        beginNoteMark(*paragraph, pNodeParent);
    else if (type == CHTAG_NOTE_SEPARATOR)
        beginNoteSeparator(*paragraph, getValue2(), pNodeParent);
    else if (type == CHTAG_FRAME_CONTENT)
        beginFrameContent(*paragraph, pNodeParent);
    return 0;
}

CCharacterString CChangeBeginTag::readName(uint32_t changeId, const CWordParagraphNode& paragraph)
{
    CPropertyTextList texts;
    return readPropertyText(m_changes, texts, changeId, paragraph, {kMaxNameLength, kNameChangeMissing, kNameTooLong});
}

// The bookmark's name is recorded for its end; the begin mark holds no
// content, so it is done as soon as it stands in the paragraph.
void CChangeBeginTag::beginBookmark(CWordParagraphNode& paragraph)
{
    const auto record = readDataRecord<kBookmarkRecordSize>(*this, getValue3());
    const CCharacterString name = readName(readBigEndian32(record.data(), kBookmarkNameChange), paragraph);

    recordNamedTag(getValue1(), getValue2(), name);

    CPendingNode node(paragraph.getNodeFactory()->createNode(kBookmarkBeginCSNode));
    auto* begin = dynamic_cast<IBookmarkBeginCSContent*>(node.get());
    if (!begin)
        return;
    begin->setName(name);
    begin->setApplicationGenerated(true);
    paragraph.appendStrand(*node.take());
}

CCharacterString CChangeBeginTag::generatedName(uint32_t tagId)
{
    uint16_t digits[kMaxTagIdDigits] = {};
    CCharacterString name;
    name.setString(digits, itow7(digits, tagId), kCharSetUnicode);
    return name;
}

// The reference is named after its tag id, so that its end finds it; the
// begin mark holds no content and is done as soon as it stands in the
// paragraph.
void CChangeBeginTag::beginReference(CWordParagraphNode& paragraph)
{
    uint32_t kind = kHyperlinkKind;
    if (getValue1() == CHTAG_REFERENCE) {
        const auto record = readDataRecord<kReferenceRecordSize>(*this, getValue3());
        kind = readBigEndian32(record.data(), kReferenceKind);
        if (kind < 1 || kind > kLastCrossReferenceKind)
            kind = 0;
    } else {
        readDataRecord<CHHYPERLINK_RECORD_SIZE>(*this, getValue3());
    }
    const TCountedReference<CLocator> target = readTarget(paragraph);

    const CCharacterString name = generatedName(getValue2());
    recordNamedTag(getValue1(), getValue2(), name);

    CPendingNode node(paragraph.getNodeFactory()->createNode(kReferenceBeginCSNode));
    auto* begin = dynamic_cast<IReferenceBeginCSContent*>(node.get());
    if (!begin)
        return;
    begin->setRefType(static_cast<EReferenceType>(kind));
    begin->setTarget(target.get());
    begin->setName(name);
    paragraph.appendStrand(*node.take());
}

// A date field holds its content in a paragraph of its own, the cursor until
// the field's end; its format is read ahead, before the field joins the
// paragraph, so that a format that never ends leaves nothing behind.
void CChangeBeginTag::beginDateField(CWordParagraphNode& paragraph, INode*& cursor)
{
    const auto record = readDataRecord<CHDATEFIELD_RECORD_SIZE>(*this, getValue3());
    if (readBigEndian32(record.data(), CHDATEFIELD_KIND) != CHDATEFIELD_DATE) {
        beginNestedParagraph(paragraph, cursor);
        return;
    }
    CPendingNode node(paragraph.getNodeFactory()->createNode(kDateTimeCSNode));
    auto* field = dynamic_cast<IDateTimeCSContent*>(node.get() ? node.get()->getIContent() : nullptr);
    if (!field)
        return;
    readDateFormat(*field, paragraph);
    paragraph.giveRunningFormat(*field);
    paragraph.attachNode(node.get());
    openParagraphIn(*node.take(), paragraph, cursor);
}

// The format is the nested paragraph that follows the tag, before the next
// break (none without one); it runs to the first end tag, which must come
// before the list ends. Each text change is literal text, each special
// character a code.
void CChangeBeginTag::readDateFormat(IDateTimeCSContent& field, const CWordParagraphNode& paragraph)
{
    if (!m_processor)
        return;
    m_changes.moveToElementById(m_processor->getPosition());
    for (;;) {
        if (m_changes.getNextElement() != TRXERR_OK)
            return;
        const uint32_t changeType = m_changes.getChangeType();
        if (changeType == CHCHANGE_BREAK)
            return;
        if (changeType == CHCHANGE_BEGIN_TAG && m_changes.getValue1() == CHTAG_NESTED_PARAGRAPH)
            break;
    }
    CTextList texts;
    while (m_changes.getNextInTag(kFormatNeverEnds)) {
        const uint32_t changeType = m_changes.getChangeType();
        if (changeType == CHCHANGE_TEXT) {
            const CCharacterString text =
                readTextRun(texts, m_changes.getValue1(), m_changes.getValue2(), paragraph, kFormatTextTooLong);
            const auto characters = makeCounted<CDateTimeFormatCharacters>();
            characters->setString(text);
            field.addDateTimeFormat(characters.get());
        } else if (changeType == CHCHANGE_SPECIAL_CHARACTER) {
            const auto code = makeCounted<CDateTimeFormatCode>();
            code->setCode(static_cast<EDateTimeFormatCode>(datePartCode(m_changes.getValue1())));
            field.addDateTimeFormat(code.get());
        }
    }
}

// The property changes run from the change after the tag to the
// end-properties change; other changes among them are passed over. Each
// names the change that holds its text (the last of a kind counts). A URL
// takes precedence over a file name; either combines with a bookmark.
TCountedReference<CLocator> CChangeBeginTag::readTarget(const CWordParagraphNode& paragraph)
{
    if (!m_processor)
        return {};
    std::optional<uint32_t> fileName;
    std::optional<uint32_t> url;
    std::optional<uint32_t> bookmark;
    m_changes.moveToElementById(m_processor->getPosition());
    for (;;) {
        if (m_changes.getNextElement() != TRXERR_OK)
            throw ExMisformedChunkerDataError(kPropertiesNeverEnd);
        const uint32_t changeType = m_changes.getChangeType();
        if (changeType == CHCHANGE_END_PROPERTIES)
            break;
        if (changeType != CHCHANGE_PROPERTY)
            continue;
        uint32_t kind = 0;
        uint32_t textChange = 0;
        uint32_t unused = 0;
        m_changes.getChangeValues(kind, textChange, unused);
        if (kind == CHPROPERTY_FILE_NAME)
            fileName = textChange;
        else if (kind == CHPROPERTY_URL)
            url = textChange;
        else if (kind == CHPROPERTY_BOOKMARK)
            bookmark = textChange;
    }

    // The texts are read once the properties are known: reading one moves
    // the list.
    if (url && bookmark)
        return makeCounted<CURL_BookmarkLocator>(readName(*url, paragraph), readName(*bookmark, paragraph));
    if (url)
        return makeCounted<CURLLocator>(readName(*url, paragraph));
    if (fileName && bookmark)
        return makeCounted<CFile_BookmarkLocator>(readName(*fileName, paragraph), readName(*bookmark, paragraph));
    if (fileName)
        return makeCounted<CFileLocator>(readName(*fileName, paragraph));
    if (bookmark)
        return makeCounted<CBookmarkLocator>(readName(*bookmark, paragraph));
    return {};
}

// The popped tag names what is closed (a bookmark's name is found by its id
// and type); the end tag's own type says what is done. A header, footer,
// note or comment opened inside the popped tag ends with it.
uint32_t CChangeEndTag::process(INode*& pNodeParent)
{
    CTagStack& stack = tagStack();
    if (stack.empty())
        throw ExMisformedChunkerDataError(kEmptyStack);
    const CTypeIdPair tag = stack.back();
    stack.pop_back();

    auto* paragraph = dynamic_cast<CWordParagraphNode*>(pNodeParent);
    if (!paragraph)
        return 0;
    const uint32_t type = getValue1();
    if (type == CHTAG_BOOKMARK)
        endMark(*paragraph, findNamedTag(tag.getTagId(), tag.getTagType()), kBookmarkEndCSNode);
    else if (isReference(type))
        endMark(*paragraph, findNamedTag(tag.getTagId(), tag.getTagType()), kReferenceEndCSNode);
    else if (isTocBookmark(type))
        endMark(*paragraph, findNamedTag(tag.getTagId(), tag.getTagType()), kTOCBookmarkEndCSNode);
    else if (type == CHTAG_TABLE_OF_CONTENTS)
        attachEmptyMark(*paragraph, kTOCEndCSNode);
    else if (type == CHTAG_INDEX)
        attachEmptyMark(*paragraph, kIndexEndCSNode);
    else if (type == CHTAG_INDEX_BOOKMARK)
        endIndexBookmark(pNodeParent);
    else if (type == CHTAG_DATE_FIELD)
        endDateField(pNodeParent);
    else if (isNestedParagraph(type))
        endNestedParagraph(pNodeParent);
    else if (type == CHTAG_FORMATTING_SCOPE)
        paragraph->popStrandProperties();
    else if (type == CHTAG_STYLE_DEFINITION)
        endStyleDefinition(tag, pNodeParent);
    else if (type == CHTAG_SUMMARY_ITEM)
        endSummaryItem(pNodeParent);
    else if (isNoteMarkTag(type))
        endNoteMark(pNodeParent);
    else if (type == CHTAG_NOTE_SEPARATOR)
        endNoteSeparator(pNodeParent);
    else if (type == CHTAG_FRAME_CONTENT)
        endFrameContent(pNodeParent);
    endSubDocumentsOutsideTags(pNodeParent);
    return 0;
}
