#include "model/NoteNodes.h"

#include "model/NodeCast.h"

INode* CNoteCSNode::clone(ECloneContent mode)
{
    INode* copy = CBranchNode::clone(mode);
    copyStrandStateTo(copy);
    auto& note = nodeAs<CNoteCSNode>(copy);
    note.m_autonumbered = m_autonumbered;
    note.m_noteType = m_noteType;
    note.m_markerStrands.cloneStrands(m_markerStrands);
    return copy;
}
