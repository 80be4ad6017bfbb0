// A frame: a positioned box standing in the text flow. Its children are the
// frame's content (paragraphs, graphics).
#pragma once

#include "model/ContentNode.h"
#include "model/CountedReference.h"
#include "model/StrandBase.h"

class CFrameProperties;

class IFrameCSContent : public virtual IStrandContent {
public:
    // The frame keeps a private clone of the properties (none for null);
    // the caller's object stays the caller's.
    virtual void setFrameProperties(const CFrameProperties* properties) = 0;
    virtual CFrameProperties* getFrameProperties() const = 0;
};

class CFrameCSNode : public IFrameCSContent, public CBranchNode, public CStrandBase {
public:
    static constexpr EContentInterfaceID kInterfaceID = kFrameCSNode;

    CFrameCSNode();
    ~CFrameCSNode() override;

    INode* getINode() override { return this; }
    IContent* getIContent() override { return static_cast<IFrameCSContent*>(this); }
    EContentInterfaceID getContentInterfaceID() override { return kInterfaceID; }
    // The copy has a clone of the frame properties of its own.
    INode* clone(ECloneContent mode) override;

    void setFrameProperties(const CFrameProperties* properties) override;
    CFrameProperties* getFrameProperties() const override { return m_properties.get(); }

private:
    TCountedReference<CFrameProperties> m_properties;
};
