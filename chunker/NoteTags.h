// The tags around a note's reference mark and around a note separator.
//
// A note reference mark stands in the note's own text: its self-reference
// node holds a paragraph with the mark's text. In a note that is not
// numbered automatically that text is also the custom mark of the note, and
// is copied onto the note's marker strand.
//
// A note separator is a sub-document of the section, named by the footnote
// or endnote area it separates; its tag id says which of the area's three
// separators it is.
#pragma once

#include "model/Node.h"

#include <cstdint>

class CWordParagraphNode;

bool isNoteMarkTag(uint32_t type);

// The self-reference joins the paragraph and holds the mark's paragraph,
// which becomes the cursor.
void beginNoteMark(CWordParagraphNode& paragraph, INode*& cursor);
// The mark's paragraph and the self-reference are done; the paragraph that
// holds the self-reference is the cursor again.
void endNoteMark(INode*& cursor);

// Ids other than the six separator ids open nothing.
void beginNoteSeparator(CWordParagraphNode& paragraph, uint32_t tagId, INode*& cursor);
// Back to where the separator was opened from; nothing when the cursor is
// not in a separator (its begin opened none).
void endNoteSeparator(INode*& cursor);
