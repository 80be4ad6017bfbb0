// The writers of the marks around text that the consumer generates: a table
// of contents or an index. The begin writes "BGT" with the kind of text, the
// end "EGT".
#pragma once

#include "icf/ICFStrandNodeWriter.h"

// The kind parameter of "BGT".
enum EICFGeneratedText : unsigned long {
    kGeneratedTableOfContents = 0,
    kGeneratedIndex = 1,
};

class CICFGeneratedTextBeginWriter : public CICFStrandNodeWriter {
public:
    void writeContent() override;

protected:
    explicit CICFGeneratedTextBeginWriter(EICFGeneratedText kind) : m_kind(kind) {}

private:
    EICFGeneratedText m_kind;
};

class CICFGeneratedTextEndWriter : public CICFStrandNodeWriter {
public:
    void writeContent() override;
};

class CICFTocBeginCSNodeWriter : public CICFGeneratedTextBeginWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kTOCBeginCSNode;
    CICFTocBeginCSNodeWriter() : CICFGeneratedTextBeginWriter(kGeneratedTableOfContents) {}
};

class CICFTocEndCSNodeWriter : public CICFGeneratedTextEndWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kTOCEndCSNode;
};

class CICFIndexBeginCSNodeWriter : public CICFGeneratedTextBeginWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kIndexBeginCSNode;
    CICFIndexBeginCSNodeWriter() : CICFGeneratedTextBeginWriter(kGeneratedIndex) {}
};

class CICFIndexEndCSNodeWriter : public CICFGeneratedTextEndWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kIndexEndCSNode;
};
