#include "model/EndOfParagraphCSNode.h"

INode* CEndOfParagraphCSNode::clone(ECloneContent mode)
{
    INode* copy = CLeafNode::clone(mode);
    copyStrandStateTo(copy);
    return copy;
}
