// A factory that makes the nodes of the model (document, section, paragraph,
// strand, style, table, mark, field, note, frame and graphic nodes), helpers
// to create them as their classes, and to hand out counted objects.
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
#include "model/ListStyleNode.h"
#include "model/NoAttribCSNode.h"
#include "model/NodeCast.h"
#include "model/NodeFactory.h"
#include "model/NoteNodes.h"
#include "model/NoteSeparatorNode.h"
#include "model/ParagraphNode.h"
#include "model/ParagraphStyleNode.h"
#include "model/ReferenceBeginCSNode.h"
#include "model/SectionNode.h"
#include "model/StrandProperties.h"
#include "model/StrandStyleNode.h"
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
                        CGraphicCSNode, CColumnBreakCSNode, CHardHyphenCSNode, CIndexBeginCSNode, CIndexEndCSNode,
                        CNewlineCSNode, CNonbreakingSpaceCSNode, CPageBreakCSNode, CSoftHyphenCSNode, CTabCSNode,
                        CTOCBeginCSNode, CTOCEndCSNode, CParagraphStyleNode, CStrandStyleNode, CListStyleNode>(factory);
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

// New strand properties with bold set as given.
inline CStrandProperties* strandProperties(bool bold)
{
    auto* properties = new CStrandProperties;
    properties->setBold(bold);
    return properties;
}

// Hands a counted object to `take` (which adds its own reference) and drops
// the creator's reference, as the reader does.
template <class T, class Take>
void handOver(T* object, Take&& take)
{
    take(object);
    object->releaseRef();
}
