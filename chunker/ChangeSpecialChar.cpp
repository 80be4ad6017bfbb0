#include "chunker/ChangeSpecialChar.h"

#include "chunker/TocIndexTags.h"
#include "chunker/WordParagraphNode.h"
#include "core/Exceptions.h"
#include "model/IndexNodes.h"
#include "model/NodeFactory.h"
#include "trx/changes.h"

namespace {

constexpr const char* kNoParentForIndexEntry = "REQUIRE: pNodeParent != NULL\n\tFile: ChCSpec  ln(51)";

// The node each special character code stands for; kNullInterface for codes
// that create nothing.
EContentInterfaceID nodeOfCode(uint32_t code)
{
    switch (code) {
    case CHSPECIAL_TAB:
        return kTabCSNode;
    case CHSPECIAL_SOFT_HYPHEN:
        return kSoftHyphenCSNode;
    case CHSPECIAL_PAGE_BREAK:
        return kPageBreakCSNode;
    case CHSPECIAL_LINE_BREAK:
        return kNewlineCSNode;
    case CHSPECIAL_NONBREAKING_SPACE:
        return kNonbreakingSpaceCSNode;
    case CHSPECIAL_HARD_HYPHEN:
        return kHardHyphenCSNode;
    case CHSPECIAL_PAGE_NUMBER:
        return kCurrentPageNumberCSNode;
    case CHSPECIAL_DATE:
    case CHSPECIAL_TIME:
        return kDateTimeCSNode;
    case CHSPECIAL_INDEX_ENTRY:
    case CHSPECIAL_INDEX_SUBENTRY:
        return kIndexEntryNode;
    default:
        return kNullInterface;
    }
}

} // namespace

uint32_t CChangeSpecialChar::process(INode*& pNodeParent)
{
    auto* paragraph = dynamic_cast<CWordParagraphNode*>(pNodeParent);
    if (!paragraph)
        return 0;
    INodeFactory* factory = paragraph->getNodeFactory();
    const EContentInterfaceID id = nodeOfCode(getValue1());
    if (!factory || id == kNullInterface)
        return 0;
    if (id == kIndexEntryNode) {
        makeIndexEntry(*paragraph);
        return 0;
    }
    if (INode* node = factory->createNode(id))
        paragraph->appendStrand(*node);
    return 0;
}

void CChangeSpecialChar::makeIndexEntry(CWordParagraphNode& paragraph)
{
    INode* parent = paragraph.getParentNode();
    if (!parent)
        throw ExNodeParsingError(kNoParentForIndexEntry);
    // Only an index bookmark takes entries: elsewhere the text stays where
    // it is.
    if (dynamic_cast<IIndexBookmarkCSContent*>(parent->getIContent()))
        addIndexEntry(paragraph, *parent);
}
