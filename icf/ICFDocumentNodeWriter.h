// The writer of the document node: at the document's properties done it
// writes the document frame ("DID", then the summary, font and style
// tables), then whatever its children completed before. At document done
// the inherited onDone releases the document and its subtree.
#pragma once

#include "icf/ICFNodeWriter.h"

class IDocumentContent;

class CICFDocumentNodeWriter : public CICFNodeWriter {
public:
    static constexpr EContentInterfaceID kInterfaceID = kDocumentNode;

    void onPropertiesDone() override;
    // The document has no parent: its children may write once its
    // properties are done.
    bool canChildWrite(INode* child) override;

private:
    IDocumentContent& getDocument();
    void writeDID();
    // Pulls the table's whole output from its ICF node writer; nothing for
    // a missing table.
    static void writeTable(IContent* table);
};
