#include "chunker/FrameTags.h"

#include "chunker/NodeEditing.h"
#include "chunker/WordParagraphNode.h"
#include "core/Exceptions.h"
#include "model/NodeUtilities.h"

namespace {

const char kNoFrame[] = "REQUIRE: pNodeFrame != NULL\n\tFile: ChCTag";
const char kOutsideFrame[] = "REQUIRE: pNodeParent is inside a frame held by a paragraph\n\tFile: ChCTag";

// The frame most recently attached to `paragraph`; null when it holds none.
INode* lastFrameOf(INode& paragraph)
{
    INode* frame = nullptr;
    forEachChild(paragraph, [&frame](INode* child) {
        if (child->getContentInterfaceID() == kFrameCSNode)
            frame = child;
    });
    return frame;
}

} // namespace

void beginFrameContent(CWordParagraphNode& paragraph, INode*& cursor)
{
    INode* frame = lastFrameOf(paragraph);
    if (!frame)
        throw ExNodeParsingError(kNoFrame);
    openParagraphIn(*frame, paragraph, cursor);
}

// Each node's parent is taken before the node is done: a done node may be
// written and released at once.
void endFrameContent(INode*& cursor)
{
    INode* frame = CNodeUtilities::findParent(cursor, kFrameCSNode);
    INode* holder = frame ? frame->getParentNode() : nullptr;
    if (!holder || holder->getContentInterfaceID() != kParagraphNode)
        throw ExNodeParsingError(kOutsideFrame);
    INode* node = cursor->getParentNode();
    closeParagraph(wordParagraph(cursor));
    while (node != holder) {
        INode* parent = node->getParentNode();
        node->done();
        node = parent;
    }
    cursor = holder;
}
