// The writers of TOC bookmarks, the entries of a table of contents: the
// begin writes "BMT" with the entry's level code and the end "EMT" with the
// same code, found again by the bookmark's name. A hidden entry leaves its
// "BMT" open and switches command output off until its end, so that its
// text stays out of the commands.
#pragma once

#include "icf/ICFStrandNodeWriter.h"

#include <cstdint>

class CICFWriter;
class IBookmarkBeginCSContent;
class IBookmarkEndCSContent;

class CICFBMTBegin {
public:
    // The level code is `offset` for level 0, else min(level, 32) - 1 +
    // `offset`; it is kept under the bookmark's name for the end.
    void writeBMT(CICFWriter* writer, const IBookmarkBeginCSContent& bookmark, uint32_t level, uint32_t offset);
};

class CICFBMTEnd {
public:
    // Nothing when no begin of the bookmark's name is waiting.
    void writeBMT(CICFWriter* writer, const IBookmarkEndCSContent& bookmark);
};

class CICFTocBookmarkBeginCSNodeWriter : public CICFStrandNodeWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kTOCBookmarkBeginCSNode;

    void writeContent() override;

private:
    CICFBMTBegin m_bmt;
};

class CICFTocBookmarkEndCSNodeWriter : public CICFStrandNodeWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kTOCBookmarkEndCSNode;

    void writeContent() override;

private:
    CICFBMTEnd m_bmt;
};
