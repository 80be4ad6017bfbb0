#include "model/DocumentNode.h"

#include "model/DocumentSummary.h"
#include "model/FontDefinitionTableNode.h"
#include "model/StyleContent.h"

namespace {

INode* nodeOf(IContent* table)
{
    return table ? table->getINode() : nullptr;
}

// Destroys a table the document no longer holds. Its parent link is cut
// first: the table is not a child, so the document has nothing to detach.
void discard(IContent* table)
{
    if (!table)
        return;
    INode* node = table->getINode();
    node->setParentNode(nullptr);
    node->release();
}

template <class Table>
void replaceTable(INode* document, Table*& slot, Table* table)
{
    if (table == slot)
        return;
    discard(slot);
    slot = table;
    if (table)
        table->getINode()->setParentNode(document);
}

} // namespace

CDocumentNode::~CDocumentNode()
{
    discard(m_styleTable);
    discard(m_fontTable);
    discard(m_summaryTable);
}

void CDocumentNode::propertiesDone()
{
    completeTables(&INode::arePropertiesDone, &INode::propertiesDone);
    CBranchNode::propertiesDone();
}

void CDocumentNode::done()
{
    completeTables(&INode::isDone, &INode::done);
    CBranchNode::done();
}

void CDocumentNode::detachNode(INode* child)
{
    if (child == nodeOf(m_fontTable))
        m_fontTable = nullptr;
    else if (child == nodeOf(m_styleTable))
        m_styleTable = nullptr;
    else if (child == nodeOf(m_summaryTable))
        m_summaryTable = nullptr;
    else {
        CBranchNode::detachNode(child);
        return;
    }
    child->setParentNode(nullptr);
}

void CDocumentNode::setStyleTable(IStyleTableContent* table)
{
    replaceTable(this, m_styleTable, table);
}

void CDocumentNode::setFontTable(IFontDefinitionTableContent* table)
{
    replaceTable(this, m_fontTable, table);
}

void CDocumentNode::setDocumentSummaryTable(IDocumentSummaryTableContent* table)
{
    replaceTable(this, m_summaryTable, table);
}

void CDocumentNode::completeTables(bool (INode::*isComplete)(), void (INode::*complete)())
{
    // Completing a table may release it, which clears only its own slot.
    for (IContent* table : {static_cast<IContent*>(m_styleTable), static_cast<IContent*>(m_fontTable),
                            static_cast<IContent*>(m_summaryTable)}) {
        INode* node = nodeOf(table);
        if (node && !(node->*isComplete)())
            (node->*complete)();
    }
}
