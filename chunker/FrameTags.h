// The tags around a frame's content. The frame change puts the frame in the
// paragraph; the frame-content tag that follows fills it: the frame's text
// is read into paragraphs of its own inside the frame, and at the tag's end
// the frame is complete and the paragraph holding it is the cursor again.
#pragma once

#include "model/Node.h"

class CWordParagraphNode;

// A new paragraph in the last frame of `paragraph` becomes the cursor. A
// paragraph without a frame raises ExNodeParsingError.
void beginFrameContent(CWordParagraphNode& paragraph, INode*& cursor);

// The cursor paragraph is closed (an empty one is discarded); every node
// from its parent up to the frame, the frame included, is marked done, and
// the paragraph that holds the frame becomes the cursor. A cursor outside a
// frame raises ExNodeParsingError.
void endFrameContent(INode*& cursor);
