// The writing protocol of node writers whose node holds written children
// (paragraphs, sections, tables...): the start commands go out once the node
// may be written and its properties are complete, the end commands when it
// is done; the node is then released. A child may write only after its
// parent's start commands are out; children completed earlier are written
// right after them, in order.
#pragma once

#include "icf/ICFNodeWriter.h"

class CICFContainerNodeWriter : public CICFNodeWriter {
public:
    void onPropertiesDone() override;
    // A node that may not be written yet stays in the tree: it is written
    // later by its parent's re-notification or pull write().
    void onDone() override;
    bool canChildWrite(INode* child) override;
    // The whole subtree at once: start commands, children, end commands.
    void write() override;

protected:
    virtual void writeStartCommands() = 0;
    virtual void writeEndCommands() = 0;
};
