// Header and footer changes open headers and footers. A header or footer is
// a sub-document of the section: its node joins the section and the
// section's header or footer list, its paragraphs are read into it, and the
// reading then goes back to the paragraph it was opened from.
#pragma once

#include "chunker/Change.h"

class CWordHeaderFooterNode;

// Type 43: value 3 is the id of the section's sub-document slot that holds
// the header's or footer's flags and distances. Type 46 does nothing.
class CChangeHeader : public CChange {
public:
    uint32_t process(INode*& current) override;

private:
    // Page appearance and outside space from the slot; adds the node to the
    // section's headers or footers (neither when the slot says neither).
    void describeFromSlot(INode& section, CWordHeaderFooterNode& headerFooter);
};
