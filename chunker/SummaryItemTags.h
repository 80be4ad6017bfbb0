// Document summary item tags. An item (title, author and the like) is read
// like a stretch of the document: its begin tag adds the item to the
// document's summary table and opens a paragraph in it where the item's
// text lands; its end tag closes that paragraph and returns to the
// paragraph of the document.
#pragma once

#include "model/Node.h"

class CChangeBeginTag;
class CWordParagraphNode;

// `tag` is the item's begin tag and `paragraph` the cursor. The summary
// table is made when the document has none. Without a document above the
// cursor it raises ExNodeParsingError.
void beginSummaryItem(CChangeBeginTag& tag, CWordParagraphNode& paragraph, INode*& cursor);

// The cursor must be the item's paragraph, whose parent is the item
// (ExMisformedChunkerDataError otherwise).
void endSummaryItem(INode*& cursor);
