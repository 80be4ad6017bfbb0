// The tags of tables of contents and indexes. A table of contents or an
// index is bracketed by begin and end marks; each entry of a table of
// contents is a TOC bookmark around its text, at an outline level and
// possibly hidden; the text of an index entry is gathered in a paragraph of
// its own inside an index bookmark and becomes an index entry of that
// bookmark when the tag ends.
#pragma once

#include "model/ContentInterfaceID.h"

#include <cstdint>

class CChangeBeginTag;
class CWordParagraphNode;
class INode;

bool isTocBookmark(uint32_t tagType);

// The TOC bookmark begin of `tag`, with its level and visibility from the
// tag's data record and a name made of the tag id, recorded for its end.
void beginTocBookmark(CChangeBeginTag& tag, CWordParagraphNode& paragraph);

// A mark of kind `kind` that holds nothing (the begin or end of a table of
// contents or an index), done as it joins the paragraph.
void attachEmptyMark(CWordParagraphNode& paragraph, EContentInterfaceID kind);

// A visible index bookmark joins the paragraph; a fresh paragraph inside it
// becomes the cursor and gathers the entry's text.
void beginIndexBookmark(CWordParagraphNode& paragraph, INode*& cursor);

// The cursor is the index bookmark's paragraph. What it holds becomes an
// index entry of the bookmark (no entry when it holds nothing), the
// paragraph goes, the bookmark is done and the paragraph holding it is the
// cursor again. A cursor that is not inside an index bookmark raises
// ExNodeParsingError.
void endIndexBookmark(INode*& cursor);

// Moves the children of `paragraph` into a new index entry of the index
// bookmark `bookmark`.
void addIndexEntry(INode& paragraph, INode& bookmark);
