#include "model/NoteSeparatorNode.h"

#include "model/NodeCast.h"
#include "model/PendingNode.h"

INode* CNoteSeparatorNode::clone(ECloneContent mode)
{
    CPendingNode copy(CBranchNode::clone(mode));
    auto& separator = nodeAs<CNoteSeparatorNode>(copy.get());
    separator.m_separatorType = m_separatorType;
    separator.m_noteType = m_noteType;
    return copy.take();
}
