// Headers, footers, notes, comments, note separators and summary items are
// sub-documents: text read out of line, in paragraphs of their own, after
// which the reading goes back to where it was. These are the steps their
// handlers share.
#pragma once

#include "model/Node.h"

class CWordParagraphNode;

// Records the sub-document of `kind` whose first paragraph has just become
// the cursor, with the depth of the tag stack: the end tag that takes the
// stack below that depth ends it. One opened with no tag open is ended only
// by the breaks.
void rememberSubDocument(EContentInterfaceID kind);

// Ends, innermost first, the sub-documents that the tag stack, just popped,
// has fallen below (see closeSubDocument). The cursor must be a paragraph
// directly in each; otherwise the tags and the breaks did not nest and
// ExMisformedChunkerDataError is raised.
void endSubDocumentsOutsideTags(INode*& cursor);

// Closes the paragraph the cursor designates (done when it has content, else
// discarded), marks `holder`, the sub-document holding it, done, and makes
// `returnTo` the cursor. The holder may be written and released on the way.
void closeSubDocument(INode*& cursor, INode& holder, INode* returnTo);
