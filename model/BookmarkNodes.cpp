#include "model/BookmarkNodes.h"

#include "model/NodeCast.h"
#include "model/PendingNode.h"

INode* CBookmarkBeginCSNode::clone(ECloneContent mode)
{
    CPendingNode copy(CLeafNode::clone(mode));
    copyStrandStateTo(copy.get());
    copyBookmarkTo(nodeAs<CBookmarkBeginCSNode>(copy.get()));
    return copy.take();
}

INode* CTOCBookmarkBeginCSNode::clone(ECloneContent mode)
{
    CPendingNode copy(CLeafNode::clone(mode));
    copyStrandStateTo(copy.get());
    auto& bookmark = nodeAs<CTOCBookmarkBeginCSNode>(copy.get());
    copyBookmarkTo(bookmark);
    bookmark.m_level = m_level;
    return copy.take();
}

INode* CBookmarkEndCSNode::clone(ECloneContent mode)
{
    CPendingNode copy(CLeafNode::clone(mode));
    copyStrandStateTo(copy.get());
    nodeAs<CBookmarkEndCSNode>(copy.get()).m_name = m_name;
    return copy.take();
}
