// The root of the tree. Its children are the sections; beside them it owns
// three tables that are not children: styles, fonts and the summary.
#pragma once

#include "model/ContentNode.h"

#include <cstdint>

class IDocumentSummaryTableContent;
class IFontDefinitionTableContent;
class IStyleTableContent;

class IDocumentContent : public IContent {
public:
    virtual uint32_t getSourceID() const = 0;
    virtual void setSourceID(uint32_t id) = 0;
    // Setting a table destroys the one held before. The document owns the
    // table and is its parent, but it is not one of its children.
    virtual IStyleTableContent* getStyleTable() const = 0;
    virtual void setStyleTable(IStyleTableContent* table) = 0;
    virtual IFontDefinitionTableContent* getFontTable() const = 0;
    virtual void setFontTable(IFontDefinitionTableContent* table) = 0;
    virtual void setDocumentSummaryTable(IDocumentSummaryTableContent* table) = 0;
    virtual IDocumentSummaryTableContent* getDocumentSummaryTable() const = 0;
};

class CDocumentNode : public IDocumentContent, public CBranchNode {
public:
    static constexpr EContentInterfaceID kInterfaceID = kDocumentNode;

    ~CDocumentNode() override;

    INode* getINode() override { return this; }
    IContent* getIContent() override { return this; }
    EContentInterfaceID getContentInterfaceID() override { return kInterfaceID; }
    // The tables complete before the document: style, font, then summary table.
    void propertiesDone() override;
    void done() override;
    // A table that leaves the document (it is released on its own) is
    // forgotten; other children are detached as usual.
    void detachNode(INode* child) override;

    uint32_t getSourceID() const override { return m_sourceID; }
    void setSourceID(uint32_t id) override { m_sourceID = id; }
    IStyleTableContent* getStyleTable() const override { return m_styleTable; }
    void setStyleTable(IStyleTableContent* table) override;
    IFontDefinitionTableContent* getFontTable() const override { return m_fontTable; }
    void setFontTable(IFontDefinitionTableContent* table) override;
    void setDocumentSummaryTable(IDocumentSummaryTableContent* table) override;
    IDocumentSummaryTableContent* getDocumentSummaryTable() const override { return m_summaryTable; }

private:
    // Completes (`complete`) each table held that is not complete yet
    // (`isComplete`), in the order style, font, summary table.
    void completeTables(bool (INode::*isComplete)(), void (INode::*complete)());

    uint32_t m_sourceID = 0;
    IDocumentSummaryTableContent* m_summaryTable = nullptr;
    IStyleTableContent* m_styleTable = nullptr;
    IFontDefinitionTableContent* m_fontTable = nullptr;
};
