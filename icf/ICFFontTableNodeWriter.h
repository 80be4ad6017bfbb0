// The writer of the font table: one "FDT" command listing every font. The
// document writer pulls it; the table node stays with the document.
#pragma once

#include "icf/ICFNodeWriter.h"

class CICFFontTableNodeWriter : public CICFNodeWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kFontDefinitionTableNode;

    // "FDT": the font count, 3, 0, then id, name and 0 per font; nothing
    // for an empty table.
    void write() override;
    void onDone() override {}
};
