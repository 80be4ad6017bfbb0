// The document summary: a table of items (title, author and the like), each
// an item node whose children hold the item's text.
#pragma once

#include "model/CharacterString.h"
#include "model/ContentNode.h"

#include <cstdint>
#include <list>

// Which predefined summary item an item is, numbered as the source numbers
// them; the summary writer maps these numbers to its output slots.
enum EDocumentSummaryTypes : uint32_t {};

class IDocumentSummaryContent : public IContent {
public:
    virtual void setPredefinedType(EDocumentSummaryTypes type) = 0;
    virtual EDocumentSummaryTypes getPredefinedType() const = 0;
    virtual void setName(const CCharacterString& name) = 0;
    virtual CCharacterString& getName(CCharacterString& out) const = 0;
    virtual void setDataType(const CCharacterString& dataType) = 0;
    virtual CCharacterString& getDataType(CCharacterString& out) const = 0;
};

class CDocumentSummaryNode : public IDocumentSummaryContent, public CBranchNode {
public:
    static constexpr EContentInterfaceID kInterfaceID = kDocumentSummaryNode;

    INode* getINode() override { return this; }
    IContent* getIContent() override { return this; }
    EContentInterfaceID getContentInterfaceID() override { return kInterfaceID; }
    INode* clone(ECloneContent mode) override;

    void setPredefinedType(EDocumentSummaryTypes type) override { m_predefinedType = type; }
    EDocumentSummaryTypes getPredefinedType() const override { return m_predefinedType; }
    void setName(const CCharacterString& name) override { m_name = name; }
    CCharacterString& getName(CCharacterString& out) const override { return out = m_name; }
    void setDataType(const CCharacterString& dataType) override { m_dataType = dataType; }
    CCharacterString& getDataType(CCharacterString& out) const override { return out = m_dataType; }

private:
    EDocumentSummaryTypes m_predefinedType{};
    CCharacterString m_name;
    CCharacterString m_dataType;
};

using DocumentSummaryList = std::list<IDocumentSummaryContent*>;

class IDocumentSummaryTableContent : public IContent {
public:
    // The table owns its items; they are not its children but have it as
    // their parent. Null is ignored.
    virtual void addSummary(IDocumentSummaryContent* summary) = 0;
    // Hands the item back to the caller.
    virtual void removeSummary(IDocumentSummaryContent* summary) = 0;
    virtual const DocumentSummaryList& getSummaryList() const = 0;
};

class CDocumentSummaryTableNode : public IDocumentSummaryTableContent, public CBranchNode {
public:
    static constexpr EContentInterfaceID kInterfaceID = kDocumentSummaryTableNode;

    ~CDocumentSummaryTableNode() override;

    INode* getINode() override { return this; }
    IContent* getIContent() override { return this; }
    EContentInterfaceID getContentInterfaceID() override { return kInterfaceID; }
    // An item that is released on its own leaves the item list quietly.
    void detachNode(INode* child) override;

    void addSummary(IDocumentSummaryContent* summary) override;
    void removeSummary(IDocumentSummaryContent* summary) override;
    const DocumentSummaryList& getSummaryList() const override { return m_summaries; }

private:
    // Takes `node`'s item out of the list; false if it is not there.
    bool takeOut(INode* node);

    DocumentSummaryList m_summaries;
};
