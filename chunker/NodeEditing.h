// Tree edits shared by the change handlers that close nodes and continue in
// copies of them.
#pragma once

#include "model/Node.h"

class CWordParagraphNode;
class IDocumentContent;
class ISectionProperties;

// The parent of `node`; raises ExNodeParsingError with `failure` when it has
// none.
INode* requireParent(INode* node, const char* failure);

// The reader's paragraph that the cursor designates.
CWordParagraphNode& wordParagraph(INode* cursor);

// The document above `node`; raises ExNodeParsingError with `failure` when
// there is none.
IDocumentContent& requireDocument(INode* node, const char* failure);

// A new paragraph, not yet in the tree, with the wide-string character set
// of `paragraph`; the caller hands it on.
INode* newParagraphLike(CWordParagraphNode& paragraph);

// A new paragraph inside `holder`, with the wide-string character set of
// `paragraph`, becomes the cursor.
void openParagraphIn(INode& holder, CWordParagraphNode& paragraph, INode*& cursor);

// Moves the children of `from`, first to last, to the end of `to`: each is
// replaced by a copy of itself attached to `to`.
void moveChildren(INode& from, INode& to);

// Ends a paragraph: it is marked done when it has children, and an empty
// paragraph is discarded.
void closeParagraph(CWordParagraphNode& paragraph);

// Marks `node` and the nodes above it done, up to the nearest one of kind
// `kind` (`node` itself when it is of that kind), which is returned and left
// open. `check` sees each node before it is done and may reject the step by
// throwing; a node without a parent raises ExNodeParsingError with
// `noParent`.
template <class Check>
INode* closeUpTo(INode* node, EContentInterfaceID kind, const char* noParent, Check check)
{
    while (node->getContentInterfaceID() != kind) {
        check(*node);
        INode* parent = requireParent(node, noParent);
        node->done();
        node = parent;
    }
    return node;
}

// The properties of a section node; null when it has none.
ISectionProperties* sectionPropertiesOf(INode* section);
