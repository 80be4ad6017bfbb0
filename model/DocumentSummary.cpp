#include "model/DocumentSummary.h"

#include "model/NodeCast.h"
#include "model/PendingNode.h"

#include <algorithm>

INode* CDocumentSummaryNode::clone(ECloneContent mode)
{
    CPendingNode copy(CBranchNode::clone(mode));
    auto& summary = nodeAs<CDocumentSummaryNode>(copy.get());
    summary.m_predefinedType = m_predefinedType;
    summary.m_name = m_name;
    summary.m_dataType = m_dataType;
    return copy.take();
}

CDocumentSummaryTableNode::~CDocumentSummaryTableNode()
{
    while (!m_summaries.empty()) {
        INode* node = m_summaries.front()->getINode();
        m_summaries.pop_front();
        node->setParentNode(nullptr);
        node->release();
    }
}

void CDocumentSummaryTableNode::detachNode(INode* child)
{
    if (!takeOut(child))
        CBranchNode::detachNode(child);
}

void CDocumentSummaryTableNode::addSummary(IDocumentSummaryContent* summary)
{
    if (!summary)
        return;
    m_summaries.push_back(summary);
    summary->getINode()->setParentNode(this);
}

void CDocumentSummaryTableNode::removeSummary(IDocumentSummaryContent* summary)
{
    if (summary)
        takeOut(summary->getINode());
}

bool CDocumentSummaryTableNode::takeOut(INode* node)
{
    auto it = std::find_if(m_summaries.begin(), m_summaries.end(),
                           [node](IDocumentSummaryContent* summary) { return summary->getINode() == node; });
    if (it == m_summaries.end())
        return false;
    m_summaries.erase(it);
    node->setParentNode(nullptr);
    return true;
}
