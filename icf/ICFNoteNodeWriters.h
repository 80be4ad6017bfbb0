// The writers of notes and of a note's reference to itself. A footnote or
// endnote is written as a strand: "FNT" with its number or custom mark,
// the mark, the note text (the note's paragraphs), "EFN", and for a custom
// mark the mark again as it stands in the running text.
#pragma once

#include "icf/ICFStrandNodeWriter.h"

#include <cstdint>

class INoteCSContent;

class CICFNoteCSNodeWriter : public CICFStrandNodeWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kNoteCSNode;

    // The note's mark gives its first character as the custom mark and its
    // formatting to the note; then the note is written as a strand.
    void write() override;
    void writeContent() override;
    // The note's paragraphs write only inside writeContent.
    bool canChildWrite(INode* child) override;

private:
    INoteCSContent& getNote();
    void writeNoteStart(const INoteCSContent& note);
    // "SPS", the marker strands, "EPS". Before the note text only when a
    // marker strand is left; after it, the mark in the running text, also
    // when the custom mark used up the last one.
    void writeMark(const INoteCSContent& note);

    bool m_writingNoteText = false;
    // The note had marker strands when its writing began: taking the custom
    // mark off them may have used up the last one.
    bool m_hasMark = false;
    unsigned char m_customMark = 0;
    // The notes this writer has numbered, by kind.
    uint32_t m_footnotesWritten = 0;
    uint32_t m_endnotesWritten = 0;
};

// The note's own mark inside its text: the mark's strands are its children.
class CICFNoteSelfReferenceCSNodeWriter : public CICFStrandNodeWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kNoteSelfReferenceCSNode;

    void writeContent() override { writeChildren(); }
    bool canChildWrite(INode*) override { return getNode()->isOkToWrite(); }
};
