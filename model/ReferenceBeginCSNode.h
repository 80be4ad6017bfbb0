// The begin of a reference or hyperlink: it names its target through a
// shared locator. The matching end is a CReferenceEndCSNode.
#pragma once

#include "model/CharacterString.h"
#include "model/ContentNode.h"
#include "model/CountedReference.h"
#include "model/StrandBase.h"

#include <cstdint>

class CLocator;

// The kind of reference, numbered as the source numbers them; the
// reference writer maps them to output reference types.
enum EReferenceType : uint32_t {};

class IReferenceBeginCSContent : public virtual IStrandContent {
public:
    virtual void setRefType(EReferenceType type) = 0;
    virtual EReferenceType getRefType() const = 0;
    // Takes a reference to the new target and drops the old one.
    virtual void setTarget(CLocator* target) = 0;
    virtual CLocator* getTarget() const = 0;
    virtual void setName(const CCharacterString& name) = 0;
    virtual CCharacterString& getName(CCharacterString& out) const = 0;
    // The target as text; empty without a target.
    virtual CCharacterString& getTargetString(CCharacterString& out) const = 0;
};

class CReferenceBeginCSNode : public CStrandBase, public IReferenceBeginCSContent, public CLeafNode {
public:
    static constexpr EContentInterfaceID kInterfaceID = kReferenceBeginCSNode;

    CReferenceBeginCSNode();
    ~CReferenceBeginCSNode() override;

    INode* getINode() override { return this; }
    IContent* getIContent() override { return static_cast<IReferenceBeginCSContent*>(this); }
    EContentInterfaceID getContentInterfaceID() override { return kInterfaceID; }
    // The copy shares the target.
    INode* clone(ECloneContent mode) override;

    void setRefType(EReferenceType type) override { m_refType = type; }
    EReferenceType getRefType() const override { return m_refType; }
    void setTarget(CLocator* target) override;
    CLocator* getTarget() const override { return m_target.get(); }
    void setName(const CCharacterString& name) override { m_name = name; }
    CCharacterString& getName(CCharacterString& out) const override { return out = m_name; }
    CCharacterString& getTargetString(CCharacterString& out) const override;

private:
    TCountedReference<CLocator> m_target;
    CCharacterString m_name;
    EReferenceType m_refType{};
};
