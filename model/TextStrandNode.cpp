#include "model/TextStrandNode.h"

INode* CTextStrandNode::clone(ECloneContent mode)
{
    INode* copy = CLeafNode::clone(mode);
    copyStrandStateTo(copy);
    if (auto* textCopy = dynamic_cast<CTextStrandNode*>(copy))
        textCopy->m_text = m_text;
    return copy;
}
