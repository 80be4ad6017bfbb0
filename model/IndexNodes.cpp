#include "model/IndexNodes.h"

#include "model/NodeCast.h"
#include "model/PendingNode.h"

CIndexBookmarkCSNode::~CIndexBookmarkCSNode()
{
    for (IIndexEntryContent* entry : m_entries) {
        INode* node = entry->getINode();
        node->setParentNode(nullptr);
        node->release();
    }
}

INode* CIndexBookmarkCSNode::clone(ECloneContent mode)
{
    CPendingNode copy(CBranchNode::clone(mode));
    copyStrandStateTo(copy.get());
    auto& bookmark = nodeAs<CIndexBookmarkCSNode>(copy.get());
    bookmark.m_visible = m_visible;
    bookmark.m_applicationGenerated = m_applicationGenerated;
    for (IIndexEntryContent* entry : m_entries) {
        CPendingNode entryCopy(entry->getINode()->clone(kCloneWithChildren));
        bookmark.addEntry(&dynamic_cast<IIndexEntryContent&>(*entryCopy.get()->getIContent()));
        entryCopy.take();
    }
    return copy.take();
}

void CIndexBookmarkCSNode::detachNode(INode* child)
{
    if (child->getContentInterfaceID() != kIndexEntryNode)
        CBranchNode::detachNode(child);
}

void CIndexBookmarkCSNode::addEntry(IIndexEntryContent* entry)
{
    if (!entry)
        return;
    m_entries.push_back(entry);
    entry->getINode()->setParentNode(this);
}
