// Note changes open footnotes, endnotes and comments. A note or comment is
// a content strand of the paragraph it stands in and a sub-document: its
// text is read into paragraphs of its own, after which the reading goes back
// to the holding paragraph.
#pragma once

#include "chunker/Change.h"

class CWordParagraphNode;
class INoteCSContent;

// Value 1 is the kind: 1 footnote, 2 endnote, 3 comment. Other kinds are
// passed over.
class CChangeNote : public CChange {
public:
    uint32_t process(INode*& current) override;

private:
    // The footnote or endnote, with its reference marker strand; null for a
    // comment.
    INode* createNote(CWordParagraphNode& paragraph);
    // The one marker strand of a new note: no text yet, the running
    // character style and formatting of the paragraph.
    static void addMarkerStrand(CWordParagraphNode& paragraph, INoteCSContent& note);
    // Notes do not hold notes, nor comments comments.
    void rejectNesting(INode* current);
};
