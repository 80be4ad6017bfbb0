#include "model/TextStrandNode.h"

#include "model/PendingNode.h"

INode* CTextStrandNode::clone(ECloneContent mode)
{
    CPendingNode copy(CLeafNode::clone(mode));
    copyStrandStateTo(copy.get());
    if (auto* textCopy = dynamic_cast<CTextStrandNode*>(copy.get()))
        textCopy->m_text = m_text;
    return copy.take();
}
