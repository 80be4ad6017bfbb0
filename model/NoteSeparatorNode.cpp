#include "model/NoteSeparatorNode.h"

#include "model/NodeCast.h"

INode* CNoteSeparatorNode::clone(ECloneContent mode)
{
    INode* copy = CBranchNode::clone(mode);
    auto& separator = nodeAs<CNoteSeparatorNode>(copy);
    separator.m_separatorType = m_separatorType;
    separator.m_noteType = m_noteType;
    return copy;
}
