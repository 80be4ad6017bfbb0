// The writers of the content strands that stand for one character or break:
// each writes one ICF command without parameters inside the strand's
// formatting. A line break also closes the paragraph's formatting before
// its command and opens it again after.
#pragma once

#include "icf/ICFStrandNodeWriter.h"

// When a special character writes its command.
enum ESpecialCharCondition : int32_t {
    kSpecialCharAlways = 0,
    // Only once the node may be written: a pull write of a parent that does
    // not let the node write yet leaves the character out.
    kSpecialCharWhenOkToWrite = 1,
};

class CICFSpecialCharNodeWriter : public CICFStrandNodeWriter {
public:
    void writeContent() override;

protected:
    CICFSpecialCharNodeWriter(const char* command, ESpecialCharCondition condition)
        : m_command(command), m_condition(condition)
    {
    }

private:
    const char* m_command;
    ESpecialCharCondition m_condition;
};

class CICFTabCSNodeWriter : public CICFSpecialCharNodeWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kTabCSNode;
    CICFTabCSNodeWriter();
};

class CICFColumnBreakCSNodeWriter : public CICFSpecialCharNodeWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kColumnBreakCSNode;
    CICFColumnBreakCSNodeWriter();
};

class CICFCurrentPageNumberCSNodeWriter : public CICFSpecialCharNodeWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kCurrentPageNumberCSNode;
    CICFCurrentPageNumberCSNodeWriter();
};

// The end-of-paragraph mark is not a child of its paragraph: the paragraph
// writes it after its other content.
class CICFEndOfParagraphCSNodeWriter : public CICFSpecialCharNodeWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kEndOfParagraphCSNode;
    CICFEndOfParagraphCSNodeWriter();
};

class CICFHardHyphenCSNodeWriter : public CICFSpecialCharNodeWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kHardHyphenCSNode;
    CICFHardHyphenCSNodeWriter();
};

class CICFSoftHyphenCSNodeWriter : public CICFSpecialCharNodeWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kSoftHyphenCSNode;
    CICFSoftHyphenCSNodeWriter();
};

class CICFNonbreakingSpaceCSNodeWriter : public CICFSpecialCharNodeWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kNonbreakingSpaceCSNode;
    CICFNonbreakingSpaceCSNodeWriter();
};

class CICFPageBreakCSNodeWriter : public CICFSpecialCharNodeWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kPageBreakCSNode;
    CICFPageBreakCSNodeWriter();
};

// A line break within a paragraph: the paragraph's formatting is switched
// off, "NLN" "HNL" written, and the formatting switched on again without
// the paragraph's number, so that the text after the break is not numbered
// a second time.
class CICFNewlineCSNodeWriter : public CICFStrandNodeWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kNewlineCSNode;
    void writeContent() override;
};
