#include "chunker/WordTextStrandNode.h"

#include "model/NodeCast.h"

void CWordTextStrandNode::setWordProperties(CWordStrandProperties* properties)
{
    m_wordProperties.reset(properties);
    setProperties(properties);
}

INode* CWordTextStrandNode::clone(ECloneContent mode)
{
    INode* copy = CTextStrandNode::clone(mode);
    nodeAs<CWordTextStrandNode>(copy).m_wordProperties.reset(m_wordProperties.get());
    return copy;
}
