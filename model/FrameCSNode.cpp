#include "model/FrameCSNode.h"

#include "model/FrameProperties.h"
#include "model/NodeCast.h"

CFrameCSNode::CFrameCSNode() = default;

CFrameCSNode::~CFrameCSNode() = default;

INode* CFrameCSNode::clone(ECloneContent mode)
{
    INode* copy = CBranchNode::clone(mode);
    copyStrandStateTo(copy);
    nodeAs<CFrameCSNode>(copy).setFrameProperties(getFrameProperties());
    return copy;
}

void CFrameCSNode::setFrameProperties(const CFrameProperties* properties)
{
    m_properties = cloneOf(properties);
}
