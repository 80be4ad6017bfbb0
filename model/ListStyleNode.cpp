#include "model/ListStyleNode.h"

#include "model/PendingNode.h"

INode* CListStyleNode::clone(ECloneContent mode)
{
    CPendingNode copy(CStyleNode::clone(mode));
    if (auto* listStyle = dynamic_cast<CListStyleNode*>(copy.get())) {
        for (CNumberingLevelDefinition* definition : m_definitions.get())
            listStyle->addNumberingLevelDefinition(definition);
    }
    return copy.take();
}
