#include "model/StrandStyleNode.h"

#include "model/PendingNode.h"

void CStrandStyleNode::setBasedOnStyle(const CCharacterString& name, IStyleTableContent* table)
{
    IStyleContent* found = table ? table->findStyle(name, kStrandStyle) : nullptr;
    setBasedOnStyle(dynamic_cast<IStrandStyleContent*>(found));
}

void CStrandStyleNode::setBasedOnStyle(uint32_t id, IStyleTableContent* table)
{
    IStyleContent* found = table ? table->findStyle(id) : nullptr;
    setBasedOnStyle(dynamic_cast<IStrandStyleContent*>(found));
}

INode* CStrandStyleNode::clone(ECloneContent mode)
{
    CPendingNode copy(CStyleNode::clone(mode));
    if (auto* style = dynamic_cast<CStrandStyleNode*>(copy.get())) {
        style->m_basedOn = m_basedOn;
        style->m_properties = cloneOf(m_properties.get());
    }
    return copy.take();
}
