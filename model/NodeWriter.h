// The base node writer: receives a node's events last (after its translator)
// and writes nothing of its own. A finished node is released by its writer.
#pragma once

#include "model/Node.h"

class CWriter;

class CNodeWriter : public INodeNotify, public INodeWriter {
public:
    void onPropertiesDone() override {}
    void onContentDone() override {}
    void onDone() override;
    void onAttachToParent() override {}
    void onDetachFromParent() override {}
    void onAttachChild(INode*) override {}
    void onDetachChild(INode*) override {}
    void onCreate() override {}
    void onDestroy() override {}

    // Pull form: a parent writes a whole subtree at once.
    void write() override;
    bool canChildWrite(INode* child) override;
    // A writer that writes nothing answers for nothing.
    bool queryInterface(int32_t, void**) override { return false; }
    virtual void writeChildren();
    virtual CWriter* getWriter() { return m_writer; }
    virtual void setWriter(CWriter* writer) { m_writer = writer; }
    virtual INode* getNode() { return m_node; }
    virtual void setNode(INode* node) { m_node = node; }

private:
    INode* m_node = nullptr;
    CWriter* m_writer = nullptr;
};
