// The writers of fields and comments: content strands whose ICF command
// carries the field's definition (a date/time format, the name of an
// included document) or the comment's text.
#pragma once

#include "icf/ICFStrandNodeWriter.h"

// A comment: "CMT" with the comment's text. Its paragraphs never write
// themselves (a strand writer lets no child write); the comment takes their
// plain text when it is written.
class CICFCommentCSNodeWriter : public CICFStrandNodeWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kCommentCSNode;

    void writeContent() override;
};

// "FIC" with the included document's location.
class CICFIncludedDocumentCSNodeWriter : public CICFStrandNodeWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kIncludedDocumentCSNode;

    void writeContent() override;
};

// "DTF" with the field's format, one byte per parameter: literal text as it
// is, each date or time part as its one-byte ICF code.
class CICFDateTimeCSNodeWriter : public CICFStrandNodeWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kDateTimeCSNode;

    void writeContent() override;
};
