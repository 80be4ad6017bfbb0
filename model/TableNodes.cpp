#include "model/TableNodes.h"

#include "model/NodeCast.h"

CTableNode::CTableNode() : m_borders(CBorder(kLineTableDefault))
{
}

INode* CTableNode::clone(ECloneContent mode)
{
    return cloneWithAttributes(*this, mode);
}

void CTableNode::copyAttributes(const CTableNode& other)
{
    m_horizontalAlignment = other.m_horizontalAlignment;
    m_borders = other.m_borders;
    m_shading = other.m_shading;
}

INode* CTableRowNode::clone(ECloneContent mode)
{
    return cloneWithAttributes(*this, mode);
}

void CTableRowNode::copyAttributes(const CTableRowNode& other)
{
    m_header = other.m_header;
    m_canSplit = other.m_canSplit;
    m_horizontalAlignment = other.m_horizontalAlignment;
    m_height = other.m_height;
    m_left = other.m_left;
}

CTableCellNode::CTableCellNode() : m_borders(CBorder(kLineSingle))
{
}

INode* CTableCellNode::clone(ECloneContent mode)
{
    return cloneWithAttributes(*this, mode);
}

void CTableCellNode::copyAttributes(const CTableCellNode& other)
{
    m_verticalAlignment = other.m_verticalAlignment;
    m_mergeHorizontal = other.m_mergeHorizontal;
    m_mergeVertical = other.m_mergeVertical;
    m_width = other.m_width;
    m_leftGutter = other.m_leftGutter;
    m_rightGutter = other.m_rightGutter;
    m_borders = other.m_borders;
    m_shading = other.m_shading;
}
