#include "model/StyleNode.h"

INode* CStyleNode::clone(ECloneContent mode)
{
    INode* copy = CBranchNode::clone(mode);
    if (auto* style = dynamic_cast<CStyleNode*>(copy)) {
        style->m_type = m_type;
        style->m_name = m_name;
        style->m_id = m_id;
    }
    return copy;
}
