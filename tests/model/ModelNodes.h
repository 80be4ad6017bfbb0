// A factory that makes the document, section, table, mark, field, note,
// frame and graphic nodes, and helpers to create them as their classes.
#pragma once

#include "model/BookmarkNodes.h"
#include "model/DocumentNode.h"
#include "model/DocumentSummary.h"
#include "model/EndOfParagraphCSNode.h"
#include "model/FieldNodes.h"
#include "model/FontDefinitionTableNode.h"
#include "model/FrameCSNode.h"
#include "model/GraphicCSNode.h"
#include "model/HeaderFooterNode.h"
#include "model/IndexNodes.h"
#include "model/NodeCast.h"
#include "model/NodeFactory.h"
#include "model/NoteNodes.h"
#include "model/NoteSeparatorNode.h"
#include "model/ParagraphNode.h"
#include "model/ReferenceBeginCSNode.h"
#include "model/SectionNode.h"
#include "model/StyleTableNode.h"
#include "model/TableNodes.h"
#include "model/TextStrandNode.h"

#include <vector>

template <class... Nodes>
void registerNodeClasses(CNodeFactory& factory)
{
    INodeRegistrar* registrar = factory.getINodeRegistrar();
    (registrar->registerContentNodeCreator(new TContentNodeCreator<Nodes>), ...);
}

inline void registerModelNodes(CNodeFactory& factory)
{
    registerNodeClasses<CDocumentNode, CSectionNode, CParagraphNode, CTextStrandNode, CStyleTableNode,
                        CFontDefinitionTableNode, CDocumentSummaryNode, CDocumentSummaryTableNode,
                        CHeaderFooterNode, CNoteSeparatorNode, CTableNode, CTableRowNode, CTableCellNode,
                        CBookmarkBeginCSNode, CBookmarkEndCSNode, CReferenceBeginCSNode, CReferenceEndCSNode,
                        CTOCBookmarkBeginCSNode, CTOCBookmarkEndCSNode, CEndOfParagraphCSNode, CNoteCSNode,
                        CNoteSelfReferenceCSNode, CCommentCSNode, CCurrentPageNumberCSNode, CDateTimeCSNode,
                        CIncludedDocumentCSNode, CIndexBookmarkCSNode, CIndexEntryNode, CFrameCSNode,
                        CGraphicCSNode>(factory);
}

// A new node of class T from the factory.
template <class T>
T* create(CNodeFactory& factory)
{
    return &nodeAs<T>(factory.createNode(T::kInterfaceID));
}

// The children of a node, in order.
inline std::vector<INode*> childrenOf(INode* node)
{
    return std::vector<INode*>(node->getFirstChild(), node->getTermChild());
}
