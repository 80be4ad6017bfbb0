// The writer of the style table: one "SYT" definition per paragraph and
// strand style, with the style's kind and properties nested inside. The
// document writer pulls it; the table node stays with the document.
#pragma once

#include "icf/ICFNodeWriter.h"

class IStyleContent;

class CICFStyleTableNodeWriter : public CICFNodeWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kStyleTableNode;

    // List styles are skipped. Without a node it raises ExLocal.
    void write() override;
    void onDone() override {}

private:
    void writeDefinition(IStyleContent& style, uint32_t kind);
};
