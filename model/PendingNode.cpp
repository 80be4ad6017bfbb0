#include "model/PendingNode.h"

CPendingNode::~CPendingNode()
{
    if (m_node)
        m_node->release();
}

INode* CPendingNode::take()
{
    INode* node = m_node;
    m_node = nullptr;
    return node;
}
