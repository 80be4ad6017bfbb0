#include "model/NoAttribCSNode.h"

INode* CNoAttribCSNode::clone(ECloneContent mode)
{
    INode* copy = CLeafNode::clone(mode);
    copyStrandStateTo(copy);
    return copy;
}
