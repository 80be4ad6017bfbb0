#include "model/NoAttribCSNode.h"

#include "model/PendingNode.h"

INode* CNoAttribCSNode::clone(ECloneContent mode)
{
    CPendingNode copy(CLeafNode::clone(mode));
    copyStrandStateTo(copy.get());
    return copy.take();
}
