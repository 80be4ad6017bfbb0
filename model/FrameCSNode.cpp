#include "model/FrameCSNode.h"

#include "model/FrameProperties.h"
#include "model/NodeCast.h"
#include "model/PendingNode.h"

CFrameCSNode::CFrameCSNode() = default;

CFrameCSNode::~CFrameCSNode() = default;

INode* CFrameCSNode::clone(ECloneContent mode)
{
    CPendingNode copy(CBranchNode::clone(mode));
    copyStrandStateTo(copy.get());
    nodeAs<CFrameCSNode>(copy.get()).setFrameProperties(getFrameProperties());
    return copy.take();
}

void CFrameCSNode::setFrameProperties(const CFrameProperties* properties)
{
    m_properties = cloneOf(properties);
}
