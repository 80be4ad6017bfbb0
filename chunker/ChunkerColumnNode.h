// A group of columns inside a section, as the reader holds it until the
// column translators turn it into a section of its own.
#pragma once

#include "model/ColumnProperties.h"
#include "model/ContentNode.h"
#include "model/CountedReference.h"

class CChunkerColumnNode : public IContent, public CBranchNode {
public:
    static constexpr EContentInterfaceID kInterfaceID = kChunkerColumnNode;

    INode* getINode() override { return this; }
    IContent* getIContent() override { return this; }
    EContentInterfaceID getContentInterfaceID() override { return kInterfaceID; }

    // Holds a reference to the properties (none for null).
    void setColumnProperties(CColumnProperties* properties) { m_properties.reset(properties); }
    CColumnProperties* getColumnProperties() const { return m_properties.get(); }

    // The copy shares the column properties.
    INode* clone(ECloneContent mode) override;

private:
    TCountedReference<CColumnProperties> m_properties;
};
