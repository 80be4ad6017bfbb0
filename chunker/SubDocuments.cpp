#include "chunker/SubDocuments.h"

#include "chunker/ChunkerExportState.h"
#include "chunker/NodeEditing.h"
#include "chunker/WordParagraphNode.h"
#include "chunker/WordSavedNodes.h"
#include "core/Exceptions.h"
#include "model/NodeFactory.h"
#include "model/PendingNode.h"

namespace {

const char kEndedOutsideSubDocument[] =
    "REQUIRE: pNodeParent->getContentInterfaceID() == subDocument.kind\n\tFile: ChCTag";
const char kNowhereToReturn[] = "REQUIRE: pNodeReturn != NULL\n\tFile: ChCTag";

// Where the reading goes on after the sub-document `holder`: a header or
// footer goes back to the paragraph it was opened from, a note or comment
// to the paragraph that holds it.
INode* returnPointOf(INode& holder)
{
    if (auto* headerFooter = dynamic_cast<CWordHeaderFooterNode*>(&holder))
        return headerFooter->getSavedNode();
    return holder.getParentNode();
}

void endSubDocument(INode*& cursor, EContentInterfaceID kind)
{
    INode* holder = cursor->getParentNode();
    if (!holder || holder->getContentInterfaceID() != kind)
        throw ExMisformedChunkerDataError(kEndedOutsideSubDocument);
    closeSubDocument(cursor, *holder, returnPointOf(*holder));
}

} // namespace

void rememberSubDocument(EContentInterfaceID kind)
{
    SChunkerExportState& state = SChunkerExportState::current();
    if (!state.tagStack.empty())
        state.openSubDocuments.push_back({state.tagStack.size(), kind});
}

void endSubDocumentsOutsideTags(INode*& cursor)
{
    SChunkerExportState& state = SChunkerExportState::current();
    COpenSubDocuments& open = state.openSubDocuments;
    while (!open.empty() && state.tagStack.size() < open.back().tagDepth) {
        const EContentInterfaceID kind = open.back().kind;
        open.pop_back();
        endSubDocument(cursor, kind);
    }
}

void closeSubDocument(INode*& cursor, INode& holder, INode* returnTo)
{
    if (!returnTo)
        throw ExMisformedChunkerDataError(kNowhereToReturn);
    closeParagraph(wordParagraph(cursor));
    holder.done();
    cursor = returnTo;
}
