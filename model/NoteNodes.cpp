#include "model/NoteNodes.h"

#include "model/NodeCast.h"
#include "model/PendingNode.h"

INode* CNoteCSNode::clone(ECloneContent mode)
{
    CPendingNode copy(CBranchNode::clone(mode));
    copyStrandStateTo(copy.get());
    auto& note = nodeAs<CNoteCSNode>(copy.get());
    note.m_autonumbered = m_autonumbered;
    note.m_noteType = m_noteType;
    note.m_markerStrands.cloneStrands(m_markerStrands);
    return copy.take();
}
