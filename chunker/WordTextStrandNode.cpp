#include "chunker/WordTextStrandNode.h"

#include "model/NodeCast.h"
#include "model/PendingNode.h"

void CWordTextStrandNode::setWordProperties(CWordStrandProperties* properties)
{
    m_wordProperties.reset(properties);
    setProperties(properties);
}

INode* CWordTextStrandNode::clone(ECloneContent mode)
{
    CPendingNode copy(CTextStrandNode::clone(mode));
    nodeAs<CWordTextStrandNode>(copy.get()).m_wordProperties.reset(m_wordProperties.get());
    return copy.take();
}
