#include "chunker/TocIndexTags.h"

#include "chunker/ChangeTags.h"
#include "chunker/HostRecords.h"
#include "chunker/NodeEditing.h"
#include "chunker/WordParagraphNode.h"
#include "core/Exceptions.h"
#include "model/BookmarkNodes.h"
#include "model/IndexNodes.h"
#include "model/NodeFactory.h"
#include "model/PendingNode.h"
#include "trx/changes.h"

namespace {

static_assert(holdsWords(CHTOCBOOKMARK_RECORD_SIZE, CHTOCBOOKMARK_LEVEL, CHTOCBOOKMARK_HIDDEN),
              "the level and the hidden flag lie in the record");

const char kIndexBookmarkMissing[] =
    "REQUIRE: pNodeParent->getParentNode() is an index bookmark in a paragraph\n\tFile: ChCTag";

// The index bookmark content of `node`; null for any other node.
IIndexBookmarkCSContent* indexBookmarkOf(INode* node)
{
    return node ? dynamic_cast<IIndexBookmarkCSContent*>(node->getIContent()) : nullptr;
}

} // namespace

bool isTocBookmark(uint32_t tagType)
{
    return tagType == CHTAG_TOC_BOOKMARK_A || tagType == CHTAG_TOC_BOOKMARK_B;
}

// The record is read and the name recorded before the mark is made, so that
// a record the host cannot deliver leaves nothing behind.
void beginTocBookmark(CChangeBeginTag& tag, CWordParagraphNode& paragraph)
{
    const auto record = readDataRecord<CHTOCBOOKMARK_RECORD_SIZE>(tag, tag.getValue3());
    const CCharacterString name = CChangeBeginTag::generatedName(tag.getValue2());
    CChangeTags::recordNamedTag(tag.getValue1(), tag.getValue2(), name);

    CPendingNode node(paragraph.getNodeFactory()->createNode(kTOCBookmarkBeginCSNode));
    auto* begin = dynamic_cast<ITOCBookmarkBeginCSContent*>(node.get());
    if (!begin)
        return;
    begin->setName(name);
    begin->setLevel(readBigEndian32(record.data(), CHTOCBOOKMARK_LEVEL));
    begin->setVisible(readBigEndian32(record.data(), CHTOCBOOKMARK_HIDDEN) == 0);
    paragraph.appendStrand(*node.take());
}

void attachEmptyMark(CWordParagraphNode& paragraph, EContentInterfaceID kind)
{
    if (INode* node = paragraph.getNodeFactory()->createNode(kind))
        paragraph.appendStrand(*node);
}

// The bookmark carries the running formatting like any strand but is not
// done: it holds the entry's paragraph until its end tag.
void beginIndexBookmark(CWordParagraphNode& paragraph, INode*& cursor)
{
    CPendingNode node(paragraph.getNodeFactory()->createNode(kIndexBookmarkCSNode));
    auto* bookmark = indexBookmarkOf(node.get());
    if (!bookmark)
        return;
    bookmark->setVisible(true);
    bookmark->setApplicationGenerated(false);
    paragraph.giveRunningFormat(*bookmark);
    paragraph.attachNode(node.get());
    openParagraphIn(*node.take(), paragraph, cursor);
}

void endIndexBookmark(INode*& cursor)
{
    INode* bookmark = cursor->getParentNode();
    INode* holder = indexBookmarkOf(bookmark) ? bookmark->getParentNode() : nullptr;
    if (!holder)
        throw ExNodeParsingError(kIndexBookmarkMissing);
    if (cursor->getFirstChild() != cursor->getTermChild())
        addIndexEntry(*cursor, *bookmark);
    cursor->release();
    bookmark->done();
    cursor = holder;
}

void addIndexEntry(INode& paragraph, INode& bookmark)
{
    CPendingNode entry(paragraph.getNodeFactory()->createNode(kIndexEntryNode));
    auto* content = entry.get() ? dynamic_cast<IIndexEntryContent*>(entry.get()->getIContent()) : nullptr;
    if (!content)
        return;
    moveChildren(paragraph, *entry.get());
    indexBookmarkOf(&bookmark)->addEntry(content);
    entry.take();
}
