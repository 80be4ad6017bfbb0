// The writers of reference marks. A reference begin writes "XRF" with its
// kind and target; a hyperlink's text stays in the output, while any other
// reference keeps its command open and switches command output off until
// its end, so that its displayed result is not written. The end completes
// what the begin left open and writes "XRF" 5.
#pragma once

#include "icf/ICFStrandNodeWriter.h"

class CICFReferenceBeginCSNodeWriter : public CICFStrandNodeWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kReferenceBeginCSNode;

    void writeContent() override;
};

// Writes nothing when no begin of the same name is waiting.
class CICFReferenceEndCSNodeWriter : public CICFStrandNodeWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kReferenceEndCSNode;

    void writeContent() override;
};
