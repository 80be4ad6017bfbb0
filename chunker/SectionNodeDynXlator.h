// Watches a section that holds column groups. Each group is written as a
// section of its own, in its place (see CChunkerColumnNodeXlator). When the
// section's content begins with a group, the section's own start commands
// are not written: the group's section carries the section's page layout
// and the way it starts, and the section would otherwise be written as an
// empty section before it. What follows the group in the section is then
// written after the group's end, in the same page layout.
//
// It puts itself in front of the section's notification chain when the
// section's first group is attached and stays there until the section is
// destroyed; it then puts the previous receiver back and deletes itself: it
// is not owned by the node.
#pragma once

#include "model/NodeXlator.h"

class CSectionNodeDynXlator : public CNodeXlator {
public:
    // The translator watching `section`, installed on first use.
    static CSectionNodeDynXlator& watch(INode* section);

    void onPropertiesDone() override;
    void onDestroy() override;

    // Whether the group asking is written with the section's way of
    // starting: true once, for the first group written, when the section's
    // own start was withheld. Any other group continues the page.
    bool claimSectionStart();

private:
    explicit CSectionNodeDynXlator(INode* section);

    bool m_startWithheld = false;
    bool m_startClaimed = false;
};
