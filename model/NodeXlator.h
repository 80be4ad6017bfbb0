// The base node translator: the first receiver of a node's events, which it
// passes on unchanged to the next notify (in practice the node's writer).
#pragma once

#include "model/Node.h"

class CNodeXlator : public INodeNotify {
public:
    void onPropertiesDone() override;
    void onContentDone() override;
    void onDone() override;
    void onAttachToParent() override;
    void onDetachFromParent() override;
    void onAttachChild(INode* child) override;
    void onDetachChild(INode* child) override;
    void onCreate() override;
    void onDestroy() override;

    virtual INodeNotify* getNodeNotify() { return m_nodeNotify; }
    virtual void setNodeNotify(INodeNotify* notify) { m_nodeNotify = notify; }
    virtual INode* getNode() { return m_node; }
    virtual void setNode(INode* node) { m_node = node; }

private:
    void pass(void (INodeNotify::*event)());
    void pass(void (INodeNotify::*event)(INode*), INode* child);

    INode* m_node = nullptr;
    INodeNotify* m_nodeNotify = nullptr;
};
