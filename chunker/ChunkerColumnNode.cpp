#include "chunker/ChunkerColumnNode.h"

#include "model/NodeCast.h"

INode* CChunkerColumnNode::clone(ECloneContent mode)
{
    INode* copy = CBranchNode::clone(mode);
    nodeAs<CChunkerColumnNode>(copy).setColumnProperties(m_properties.get());
    return copy;
}
