#include "chunker/ChunkerColumnNode.h"

#include "model/NodeCast.h"
#include "model/PendingNode.h"

INode* CChunkerColumnNode::clone(ECloneContent mode)
{
    CPendingNode copy(CBranchNode::clone(mode));
    nodeAs<CChunkerColumnNode>(copy.get()).setColumnProperties(m_properties.get());
    return copy.take();
}
