#include "chunker/ChangeTags.h"

#include "chunker/ChunkerExportState.h"
#include "chunker/HostRecords.h"
#include "chunker/WordParagraphNode.h"
#include "core/Exceptions.h"
#include "model/BookmarkNodes.h"
#include "model/NodeFactory.h"
#include "model/PendingNode.h"
#include "trx/changes.h"

#include <vector>

namespace {

// A bookmark's data record: the word at offset 4 is the id of the change
// that names it.
constexpr std::size_t kBookmarkRecordSize = 8;
constexpr std::size_t kBookmarkNameChange = 4;
static_assert(holdsField(kBookmarkRecordSize, kBookmarkNameChange), "the name's change lies in the record");

// No tag name of a sound document comes near this; the bound keeps a damaged
// count from asking for gigabytes before the host is asked for the units.
constexpr uint32_t kMaxNameLength = 0x10000;

const char kEmptyStack[] = "REQUIRE: the_CTagStackPtr->empty() == FALSE\n\tFile: ChCTag  ln(1154)";
const char kNameChangeMissing[] = "REQUIRE: locErr == TRXERR_OK\n\tFile: ChCTag";
const char kNameTooLong[] = "REQUIRE: nameLength <= kMaxNameLength\n\tFile: ChCTag";
const char kNestedWithoutParent[] = "REQUIRE: pNodeParent->getParentNode() is a paragraph\n\tFile: ChCTag";

bool isNestedParagraph(uint32_t type)
{
    return type == CHTAG_NESTED_PARAGRAPH || type == CHTAG_NUMBER_TEXT;
}

// A nested paragraph of the cursor paragraph, which becomes the cursor.
void beginNestedParagraph(CWordParagraphNode& paragraph, INode*& cursor)
{
    CPendingNode node(paragraph.getNodeFactory()->createNode(kParagraphNode));
    auto* nested = dynamic_cast<CWordParagraphNode*>(node.get());
    if (!nested)
        return;
    nested->setWideStringDefaultCharacterSet(paragraph.getWideStringDefaultCharacterSet());
    paragraph.attachNode(nested);
    cursor = node.take();
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

// The end mark carries the name its begin was given; it too is done at once.
void endBookmark(CWordParagraphNode& paragraph, const CNameTypeIdTuple* named)
{
    CPendingNode node(paragraph.getNodeFactory()->createNode(kBookmarkEndCSNode));
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
    else if (isNestedParagraph(type))
        beginNestedParagraph(*paragraph, pNodeParent);
    else if (type == CHTAG_FORMATTING_SCOPE)
        paragraph->pushStrandProperties();
    return 0;
}

CCharacterString CChangeBeginTag::readName(uint32_t changeId, const CWordParagraphNode& paragraph)
{
    m_changes.moveToElementById(changeId);
    if (m_changes.getNextElement() != TRXERR_OK)
        throw ExMisformedChunkerDataError(kNameChangeMissing);
    uint32_t textId = 0;
    uint32_t unused = 0;
    uint32_t length = 0;
    m_changes.getChangeValues(textId, unused, length);
    if (length > kMaxNameLength)
        throw ExMisformedChunkerDataError(kNameTooLong);

    // One unit more than asked, so that an empty name still hands the host a
    // buffer.
    std::vector<uint16_t> units(size_t{length} + 1, 0);
    CPropertyTextList texts;
    texts.moveToElementById(textId);
    texts.getNextElements(length, units.data());
    CCharacterString name;
    name.setString(units.data(), length, paragraph.getCharset());
    name.setWideStringDefaultCharacterSet(paragraph.getWideStringDefaultCharacterSet());
    return name;
}

// The bookmark's name is recorded for its end; the begin mark holds no
// content, so it is done as soon as it stands in the paragraph.
void CChangeBeginTag::beginBookmark(CWordParagraphNode& paragraph)
{
    const auto record = readDataRecord<kBookmarkRecordSize>(*this, getValue3());
    const CCharacterString name = readName(readBigEndian32(record.data(), kBookmarkNameChange), paragraph);

    auto named = std::make_unique<CNameTypeIdTuple>();
    named->setString(std::make_unique<CCharacterString>(name));
    named->setTagId(getValue2());
    named->setTagType(getValue1());
    tagList().push_back(std::move(named));

    CPendingNode node(paragraph.getNodeFactory()->createNode(kBookmarkBeginCSNode));
    auto* begin = dynamic_cast<IBookmarkBeginCSContent*>(node.get());
    if (!begin)
        return;
    begin->setName(name);
    begin->setApplicationGenerated(true);
    paragraph.appendStrand(*node.take());
}

// The popped tag names what is closed (a bookmark's name is found by its id
// and type); the end tag's own type says what is done.
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
        endBookmark(*paragraph, findNamedTag(tag.getTagId(), tag.getTagType()));
    else if (isNestedParagraph(type))
        endNestedParagraph(pNodeParent);
    else if (type == CHTAG_FORMATTING_SCOPE)
        paragraph->popStrandProperties();
    return 0;
}
