// The writers of the document summary. The table writer gathers the text of
// each known summary item into its slot of one "SSI" command; an item writer
// writes nothing itself and gives its text through getText. The summary
// nodes belong to the document: their writers never release them.
#pragma once

#include "icf/ICFNodeWriter.h"

#include <cstdint>

class IDocumentSummaryContent;

class CICFDocumentSummaryNodeWriter : public CICFNodeWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kDocumentSummaryNode;

    void write() override {}
    void onDone() override {}
};

class CICFDocumentSummaryTableNodeWriter : public CICFNodeWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kDocumentSummaryTableNode;

    // One "SSI" command, written even when no slot is filled; of two items
    // for one slot the later wins.
    void write() override;
    void onDone() override {}

    // The "SSI" slot of the item's predefined type; 0 for a type without one.
    static uint32_t getSummaryItemNumber(const IDocumentSummaryContent& item);
};
