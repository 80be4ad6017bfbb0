#include "chunker/ReaderNodeCreators.h"

#include "chunker/WordNodeCreators.h"
#include "model/BookmarkNodes.h"
#include "model/DocumentSummary.h"
#include "model/EndOfParagraphCSNode.h"
#include "model/FieldNodes.h"
#include "model/FontDefinitionTableNode.h"
#include "model/FrameCSNode.h"
#include "model/GraphicCSNode.h"
#include "model/IndexNodes.h"
#include "model/NoAttribCSNode.h"
#include "model/NodeCreators.h"
#include "model/NoteNodes.h"
#include "model/ReferenceBeginCSNode.h"
#include "model/StyleTableNode.h"
#include "model/TableNodes.h"
#include "model/TextStrandNode.h"

namespace {

template <class Creator>
void add(INodeRegistrar& registrar)
{
    registrar.registerContentNodeCreator(new Creator);
}

template <class Node>
void addGeneric(INodeRegistrar& registrar)
{
    add<TContentNodeCreator<Node>>(registrar);
}

} // namespace

void registerReaderNodeCreators(INodeRegistrar& registrar)
{
    add<CWordDocumentNodeCreator>(registrar);
    add<CWordSectionNodeCreator>(registrar);
    add<CWordParagraphNodeCreator>(registrar);
    add<CWordTextStrandNodeCreator>(registrar);
    addGeneric<CTextStrandNode>(registrar);
    addGeneric<CStyleTableNode>(registrar);
    add<CWordStrandStyleNodeCreator>(registrar);
    add<CWordParagraphStyleNodeCreator>(registrar);
    add<CWordListStyleNodeCreator>(registrar);
    addGeneric<CBookmarkEndCSNode>(registrar);
    addGeneric<CBookmarkBeginCSNode>(registrar);
    addGeneric<CTabCSNode>(registrar);
    addGeneric<CGraphicCSNode>(registrar);
    addGeneric<CNewlineCSNode>(registrar);
    addGeneric<CPageBreakCSNode>(registrar);
    addGeneric<CNonbreakingSpaceCSNode>(registrar);
    addGeneric<CSoftHyphenCSNode>(registrar);
    addGeneric<CHardHyphenCSNode>(registrar);
    addGeneric<CDateTimeCSNode>(registrar);
    addGeneric<CCurrentPageNumberCSNode>(registrar);
    addGeneric<CColumnBreakCSNode>(registrar);
    addGeneric<CFontDefinitionTableNode>(registrar);
    addGeneric<CNoteCSNode>(registrar);
    addGeneric<CTOCEndCSNode>(registrar);
    addGeneric<CTOCBeginCSNode>(registrar);
    addGeneric<CIndexEndCSNode>(registrar);
    addGeneric<CIndexBeginCSNode>(registrar);
    addGeneric<CIndexEntryNode>(registrar);
    addGeneric<CIndexBookmarkCSNode>(registrar);
    addGeneric<CTOCBookmarkEndCSNode>(registrar);
    addGeneric<CTOCBookmarkBeginCSNode>(registrar);
    addGeneric<CReferenceEndCSNode>(registrar);
    addGeneric<CReferenceBeginCSNode>(registrar);
    addGeneric<CDocumentSummaryTableNode>(registrar);
    add<CWordDocumentSummaryNodeCreator>(registrar);
    addGeneric<CCommentCSNode>(registrar);
    add<CChunkerColumnNodeCreator>(registrar);
    add<CWordSeparatorNodeCreator>(registrar);
    addGeneric<CTableNode>(registrar);
    add<CWordTableRowNodeCreator>(registrar);
    addGeneric<CTableCellNode>(registrar);
    add<CWordHeaderFooterNodeCreator>(registrar);
    addGeneric<CEndOfParagraphCSNode>(registrar);
    addGeneric<CFrameCSNode>(registrar);
    addGeneric<CNoteSelfReferenceCSNode>(registrar);
    addGeneric<CIncludedDocumentCSNode>(registrar);
}
