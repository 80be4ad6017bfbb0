#include "model/BookmarkNodes.h"

#include "model/NodeCast.h"

INode* CBookmarkBeginCSNode::clone(ECloneContent mode)
{
    INode* copy = CLeafNode::clone(mode);
    copyStrandStateTo(copy);
    copyBookmarkTo(nodeAs<CBookmarkBeginCSNode>(copy));
    return copy;
}

INode* CTOCBookmarkBeginCSNode::clone(ECloneContent mode)
{
    INode* copy = CLeafNode::clone(mode);
    copyStrandStateTo(copy);
    auto& bookmark = nodeAs<CTOCBookmarkBeginCSNode>(copy);
    copyBookmarkTo(bookmark);
    bookmark.m_level = m_level;
    return copy;
}

INode* CBookmarkEndCSNode::clone(ECloneContent mode)
{
    INode* copy = CLeafNode::clone(mode);
    copyStrandStateTo(copy);
    nodeAs<CBookmarkEndCSNode>(copy).m_name = m_name;
    return copy;
}
