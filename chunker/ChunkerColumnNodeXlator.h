// Writes a column group as a section of its own. The group's column node
// stays in the tree, where the column and break handlers find it, but
// writes nothing: the translator makes a forwarding section with it, which
// is never attached to the tree and is written in the group's place with
// the enclosing section's properties and the group's columns.
//
// The group's children write through the forwarding section: the column
// node names the forwarding section's writer as its own, so a child may
// write once the forwarding section's start is out, and writers that ask
// the nodes above them for page measures get the group's. The forwarding
// section is written, followed by the group's children completed so far, as
// soon as the group's columns and the enclosing section's properties are
// complete and the document lets it write; it ends when the group is done,
// and the column node goes with it. A group that could not be written by
// then stays in the tree until its section re-notifies it.
#pragma once

#include "model/NodeXlator.h"

class CSectionNodeDynXlator;
class INodeWriter;

class CChunkerColumnNodeXlator : public CNodeXlator {
public:
    // The section that `node` is in. A group nested in groups takes it from
    // the group it is in rather than climbing every level above it.
    static INode* sectionAbove(INode* node);

    void onCreate() override;
    void onAttachToParent() override;
    void onAttachChild(INode* child) override;
    void onDetachChild(INode* child) override;
    void onPropertiesDone() override;
    void onDone() override;
    void onDestroy() override;

private:
    void openForwardingSection();
    void giveForwardingSectionItsProperties();
    void closeForwardingSection();
    INodeNotify* forwardingNotify() const;

    // The forwarding section, until it is closed (its writer then releases
    // it) or released with the column node.
    INode* m_forwardingSection = nullptr;
    INodeWriter* m_ownWriter = nullptr;
    // The section the group is in, and its translator when the group is
    // directly in it.
    INode* m_section = nullptr;
    CSectionNodeDynXlator* m_sectionXlator = nullptr;
    bool m_opened = false;
};
