#include "model/ListStyleNode.h"

INode* CListStyleNode::clone(ECloneContent mode)
{
    INode* copy = CStyleNode::clone(mode);
    if (auto* listStyle = dynamic_cast<CListStyleNode*>(copy)) {
        for (CNumberingLevelDefinition* definition : m_definitions.get())
            listStyle->addNumberingLevelDefinition(definition);
    }
    return copy;
}
