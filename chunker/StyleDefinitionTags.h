// Style definition tags. A style definition is read like a stretch of the
// document: its begin tag makes (or finds again) the style in the
// document's style table and opens a paragraph in it where the definition's
// character and paragraph changes land; its end tag gives the style what
// that paragraph gathered and returns to the paragraph of the document.
#pragma once

#include "model/Node.h"

class CChangeBeginTag;
class CTypeIdPair;
class CWordParagraphNode;

// `tag` is the begin tag of the definition and `paragraph` the cursor. A
// paragraph, character or list style of the record's id is made and added
// to the table, or redefined in place when the table holds one of that id
// and kind; any other kind makes nothing. Without a document above the
// cursor it raises ExNodeParsingError.
void beginStyleDefinition(CChangeBeginTag& tag, CWordParagraphNode& paragraph, INode*& cursor);

// `tag` is the tag the end closes. The cursor must be the definition's
// paragraph, whose parent is the style (ExMisformedChunkerDataError
// otherwise); the end of a definition that made nothing does nothing.
void endStyleDefinition(const CTypeIdPair& tag, INode*& cursor);
