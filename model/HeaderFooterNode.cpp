#include "model/HeaderFooterNode.h"

#include "model/NodeCast.h"

INode* CHeaderFooterNode::clone(ECloneContent mode)
{
    return cloneWithAttributes(*this, mode);
}

void CHeaderFooterNode::copyAttributes(const CHeaderFooterNode& other)
{
    m_pageAppearance = other.m_pageAppearance;
    m_outsideSpace = other.m_outsideSpace;
    m_type = other.m_type;
}
