#include "model/ReferenceBeginCSNode.h"

#include "model/Locators.h"
#include "model/NodeCast.h"
#include "model/PendingNode.h"

CReferenceBeginCSNode::CReferenceBeginCSNode() = default;

CReferenceBeginCSNode::~CReferenceBeginCSNode() = default;

INode* CReferenceBeginCSNode::clone(ECloneContent mode)
{
    CPendingNode copy(CLeafNode::clone(mode));
    copyStrandStateTo(copy.get());
    auto& reference = nodeAs<CReferenceBeginCSNode>(copy.get());
    reference.m_target.reset(m_target.get());
    reference.m_name = m_name;
    reference.m_refType = m_refType;
    return copy.take();
}

void CReferenceBeginCSNode::setTarget(CLocator* target)
{
    m_target.reset(target);
}

CCharacterString& CReferenceBeginCSNode::getTargetString(CCharacterString& out) const
{
    if (!m_target.get())
        return out = CCharacterString();
    return m_target.get()->getAsString(out);
}
