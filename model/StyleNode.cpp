#include "model/StyleNode.h"

#include "model/PendingNode.h"

INode* CStyleNode::clone(ECloneContent mode)
{
    CPendingNode copy(CBranchNode::clone(mode));
    if (auto* style = dynamic_cast<CStyleNode*>(copy.get())) {
        style->m_type = m_type;
        style->m_name = m_name;
        style->m_id = m_id;
    }
    return copy.take();
}
