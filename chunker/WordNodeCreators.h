// The creators of the reader's node classes. They are registered for the
// model's kinds, so every node of those kinds in the reader's tree, clones
// included, is of the reader's class; some also equip the new node with the
// property objects the reader's handlers fill in.
#pragma once

#include "chunker/ChunkerColumnNode.h"
#include "chunker/WordParagraphNode.h"
#include "chunker/WordSavedNodes.h"
#include "chunker/WordSectionNode.h"
#include "chunker/WordTableRowNode.h"
#include "chunker/WordTextStrandNode.h"
#include "model/NodeCreators.h"

// Creators of nodes that need nothing but construction.
class CWordDocumentNodeCreator : public TContentNodeCreator<CWordDocumentNode> {};
class CWordDocumentSummaryNodeCreator : public TContentNodeCreator<CWordDocumentSummaryNode> {};
class CWordHeaderFooterNodeCreator : public TContentNodeCreator<CWordHeaderFooterNode> {};
class CWordSeparatorNodeCreator : public TContentNodeCreator<CWordSeparatorNode> {};
class CWordListStyleNodeCreator : public TContentNodeCreator<CWordListStyleNode> {};
class CWordTableRowNodeCreator : public TContentNodeCreator<CWordTableRowNode> {};
class CChunkerColumnNodeCreator : public TContentNodeCreator<CChunkerColumnNode> {};
class CWordTextStrandNodeCreator : public TContentNodeCreator<CWordTextStrandNode> {};

// A paragraph with paragraph properties of its own.
class CWordParagraphNodeCreator : public TContentNodeCreator<CWordParagraphNode> {
public:
    CContentNode* create() override;
};

// A section with section properties holding page properties and footnote
// and endnote area properties.
class CWordSectionNodeCreator : public TContentNodeCreator<CWordSectionNode> {
public:
    CContentNode* create() override;
};

// A paragraph style with character and paragraph properties.
class CWordParagraphStyleNodeCreator : public TContentNodeCreator<CWordParagraphStyleNode> {
public:
    CContentNode* create() override;
};

// A character style with character properties.
class CWordStrandStyleNodeCreator : public TContentNodeCreator<CWordStrandStyleNode> {
public:
    CContentNode* create() override;
};
