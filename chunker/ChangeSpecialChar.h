// Special characters become content strands of the current paragraph; an
// index entry mark turns the paragraph's text so far into an index entry of
// the enclosing index bookmark.
#pragma once

#include "chunker/Change.h"

class CWordParagraphNode;

class CChangeSpecialChar : public CChange {
public:
    // Value 1 is the special character code. The cursor does not move. An
    // index entry in a paragraph without parent raises ExNodeParsingError.
    uint32_t process(INode*& pNodeParent) override;

private:
    // Inside an index bookmark, moves the paragraph's children into a new
    // index entry of the bookmark.
    static void makeIndexEntry(CWordParagraphNode& paragraph);
};
