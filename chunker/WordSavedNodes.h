// The reader's document node and the nodes it opens with a return point:
// a style, summary, list style, note separator or header/footer is filled
// out of line, and the node remembers the cursor to go back to when it is
// closed.
#pragma once

#include "model/DocumentNode.h"
#include "model/DocumentSummary.h"
#include "model/HeaderFooterNode.h"
#include "model/ListStyleNode.h"
#include "model/NoteSeparatorNode.h"
#include "model/ParagraphStyleNode.h"
#include "model/StrandStyleNode.h"

class CWordDocumentNode : public CDocumentNode {};

// Adds the return point to the node class Base. The saved node is not
// owned, and a clone starts without one: the cursor belongs to the reading
// of the original.
template <class Base>
class TWordSavedNode : public Base {
public:
    void setSavedNode(INode* node) { m_savedNode = node; }
    INode* getSavedNode() const { return m_savedNode; }

private:
    INode* m_savedNode = nullptr;
};

class CWordParagraphStyleNode : public TWordSavedNode<CParagraphStyleNode> {};
class CWordStrandStyleNode : public TWordSavedNode<CStrandStyleNode> {};
class CWordDocumentSummaryNode : public TWordSavedNode<CDocumentSummaryNode> {};
class CWordListStyleNode : public TWordSavedNode<CListStyleNode> {};
class CWordSeparatorNode : public TWordSavedNode<CNoteSeparatorNode> {};
class CWordHeaderFooterNode : public TWordSavedNode<CHeaderFooterNode> {};
