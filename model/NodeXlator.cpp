#include "model/NodeXlator.h"

void CNodeXlator::onPropertiesDone()
{
    pass(&INodeNotify::onPropertiesDone);
}

void CNodeXlator::onContentDone()
{
    pass(&INodeNotify::onContentDone);
}

void CNodeXlator::onDone()
{
    pass(&INodeNotify::onDone);
}

void CNodeXlator::onAttachToParent()
{
    pass(&INodeNotify::onAttachToParent);
}

void CNodeXlator::onDetachFromParent()
{
    pass(&INodeNotify::onDetachFromParent);
}

void CNodeXlator::onCreate()
{
    pass(&INodeNotify::onCreate);
}

void CNodeXlator::onDestroy()
{
    pass(&INodeNotify::onDestroy);
}

void CNodeXlator::onAttachChild(INode* child)
{
    pass(&INodeNotify::onAttachChild, child);
}

void CNodeXlator::onDetachChild(INode* child)
{
    pass(&INodeNotify::onDetachChild, child);
}

void CNodeXlator::pass(void (INodeNotify::*event)())
{
    if (m_nodeNotify)
        (m_nodeNotify->*event)();
}

void CNodeXlator::pass(void (INodeNotify::*event)(INode*), INode* child)
{
    if (m_nodeNotify)
        (m_nodeNotify->*event)(child);
}
