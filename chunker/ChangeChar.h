// Character changes (attributes, font and size, character sets, colours,
// width adjustment, kerning, language and baseline shift) update the running
// character state of the current paragraph, which every later strand of the
// paragraph copies.
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
    // An attribute change: attribute code (value 1) on or off (value 2).
    void setAttribute(CWordParagraphNode& paragraph);
    // Underline, scripting and strike-out codes: each stands for one value
    // of an attribute that has several.
    static void setManyValuedAttribute(CWordParagraphNode& paragraph, uint32_t code, bool on);
    // A text or background colour change: one side of the strand colour.
    void setColor(CWordParagraphNode& paragraph, bool foreground);
    // A font or additional font change.
    void setFont(CWordParagraphNode& paragraph, const char* noDocument);
};
