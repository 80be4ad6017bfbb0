// Character changes (types 8, 9, 10, 25, 60, 61, 62, 64, 65, 94, 119 and
// 123) update the running character state of the current paragraph, which
// every later strand of the paragraph copies.
#pragma once

#include "chunker/Change.h"

class CWordParagraphNode;

class CChangeChar : public CChange {
public:
    // The boolean of each on/off state the host sends: only 1 is on.
    static const bool bCharState[2];

    // Changes the paragraph's running state; the cursor does not move. A
    // font change in a paragraph outside any document raises
    // ExNodeParsingError.
    uint32_t process(INode*& pNodeParent) override;

private:
    // Type 8: attribute code (value 1) on or off (value 2).
    void setAttribute(CWordParagraphNode& paragraph);
    // Types 60 and 61: one side of the strand colour.
    void setColor(CWordParagraphNode& paragraph, bool foreground);
    // Types 10 and 119.
    void setFont(CWordParagraphNode& paragraph, const char* noDocument);
};
