// Tag changes: bookmarks, references, tables of contents, index entries,
// fields, the summary and style definitions.
#pragma once

#include "chunker/Change.h"

class CChangeTags : public CChange {};

class CChangeBeginTag : public CChangeTags {};

class CChangeEndTag : public CChangeTags {};
