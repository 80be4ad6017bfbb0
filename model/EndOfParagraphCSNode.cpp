#include "model/EndOfParagraphCSNode.h"

#include "model/PendingNode.h"

INode* CEndOfParagraphCSNode::clone(ECloneContent mode)
{
    CPendingNode copy(CLeafNode::clone(mode));
    copyStrandStateTo(copy.get());
    return copy.take();
}
