// Fields: content strands whose value the consumer of the output computes
// (the current page number, the date or time) or fetches (an included
// document). Their children hold the result text the source shows.
#pragma once

#include "model/CharacterString.h"
#include "model/ContentNode.h"
#include "model/ContentStrandBranch.h"
#include "model/StrandBase.h"

#include <list>

class CDateTimeFormat;

class ICurrentPageNumberCSContent : public virtual IStrandContent {};

class CCurrentPageNumberCSNode : public TContentStrandBranch<ICurrentPageNumberCSContent, kCurrentPageNumberCSNode> {};

using DateTimeFormatList = std::list<CDateTimeFormat*>;

class IDateTimeCSContent : public virtual IStrandContent {
public:
    // The items of the field's format, in order.
    virtual const DateTimeFormatList& getDateTimeFormatList() const = 0;
    // Appends the item and takes a reference to it; null is ignored.
    virtual void addDateTimeFormat(CDateTimeFormat* format) = 0;
};

class CDateTimeCSNode : public CStrandBase, public CBranchNode, public IDateTimeCSContent {
public:
    static constexpr EContentInterfaceID kInterfaceID = kDateTimeCSNode;

    ~CDateTimeCSNode() override;

    INode* getINode() override { return this; }
    IContent* getIContent() override { return static_cast<IDateTimeCSContent*>(this); }
    EContentInterfaceID getContentInterfaceID() override { return kInterfaceID; }
    // The copy shares the format items.
    INode* clone(ECloneContent mode) override;

    const DateTimeFormatList& getDateTimeFormatList() const override { return m_formats; }
    void addDateTimeFormat(CDateTimeFormat* format) override;
    // Drops the reference to every item and empties the format.
    void releaseFormatList();

private:
    DateTimeFormatList m_formats;
};

class IIncludedDocumentCSContent : public virtual IStrandContent {
public:
    // Where the included document is, as the source names it.
    virtual void setDocumentLocation(const CCharacterString& location) = 0;
    virtual CCharacterString& getDocumentLocation(CCharacterString& out) const = 0;
};

class CIncludedDocumentCSNode : public IIncludedDocumentCSContent, public CStrandBase, public CBranchNode {
public:
    static constexpr EContentInterfaceID kInterfaceID = kIncludedDocumentCSNode;

    INode* getINode() override { return this; }
    IContent* getIContent() override { return static_cast<IIncludedDocumentCSContent*>(this); }
    EContentInterfaceID getContentInterfaceID() override { return kInterfaceID; }
    INode* clone(ECloneContent mode) override;

    void setDocumentLocation(const CCharacterString& location) override { m_location = location; }
    CCharacterString& getDocumentLocation(CCharacterString& out) const override { return out = m_location; }

private:
    CCharacterString m_location;
};
