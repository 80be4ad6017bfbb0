// A section of the document: its children are paragraphs and tables, its
// page layout is a shared section properties object.
#pragma once

#include "model/ContentNode.h"
#include "model/CountedReference.h"

class ISectionProperties;

class ISectionContent : public IContent {
public:
    ISectionContent* getSectionContent() final { return this; }
    virtual ISectionProperties* getProperties() const = 0;
    // Takes a reference to the new properties and drops the old ones.
    virtual void setProperties(ISectionProperties* properties) = 0;
};

class CSectionNode : public ISectionContent, public CBranchNode {
public:
    static constexpr EContentInterfaceID kInterfaceID = kSectionNode;

    CSectionNode();
    ~CSectionNode() override;

    INode* getINode() override { return this; }
    IContent* getIContent() override { return this; }
    EContentInterfaceID getContentInterfaceID() override { return kInterfaceID; }
    // The copy gets a copy of the section properties of its own.
    INode* clone(ECloneContent mode) override;
    // A header or footer that leaves the section also leaves the section
    // properties' lists, which would otherwise keep a node they no longer
    // own; a note separator that leaves it is no longer named by the note
    // areas.
    void detachNode(INode* child) override;

    ISectionProperties* getProperties() const override { return m_properties.get(); }
    void setProperties(ISectionProperties* properties) override;

private:
    TCountedReference<ISectionProperties> m_properties;
};
