#include "model/StrandContentList.h"

#include "model/PendingNode.h"

CStrandContentList::~CStrandContentList()
{
    releaseStrands();
}

void CStrandContentList::add(IStrandContent* strand)
{
    if (strand)
        m_strands.push_back(strand);
}

void CStrandContentList::remove(IStrandContent* strand)
{
    m_strands.remove(strand);
}

void CStrandContentList::cloneStrands(const CStrandContentList& source)
{
    for (IStrandContent* strand : source.m_strands) {
        CPendingNode copy(strand->getINode()->clone(INode::kCloneNodeOnly));
        // A copy that is no strand (a creator registered under a foreign
        // kind) is not kept.
        if (auto* copiedStrand = dynamic_cast<IStrandContent*>(copy.get()->getIContent())) {
            add(copiedStrand);
            copy.take();
        }
    }
}

void CStrandContentList::releaseStrands()
{
    // Each strand leaves the list before it is released, so that nothing
    // its release sets off can reach it through the list.
    while (!m_strands.empty()) {
        IStrandContent* strand = m_strands.front();
        m_strands.pop_front();
        strand->getINode()->release();
    }
}
