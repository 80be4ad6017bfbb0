// The writers of bookmark marks: each is a strand writer whose content is
// one "XRF" command naming the bookmark.
#pragma once

#include "icf/ICFStrandNodeWriter.h"

// "XRF" 1 0 name: the bookmark starts here.
class CICFBookmarkBeginCSNodeWriter : public CICFStrandNodeWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kBookmarkBeginCSNode;

    void writeContent() override;
};

// "XRF" 2 0 name: the bookmark ends here.
class CICFBookmarkEndCSNodeWriter : public CICFStrandNodeWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kBookmarkEndCSNode;

    void writeContent() override;
};
