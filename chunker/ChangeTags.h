// Tag changes: bookmarks, references, tables of contents, index entries,
// fields, the summary and style definitions.
#pragma once

#include "chunker/Change.h"

class CChangeListProcess;

class CChangeTags : public CChange {};

class CChangeBeginTag : public CChangeTags {
public:
    explicit CChangeBeginTag(CChangeListProcess& process) : m_process(process) {}

private:
    CChangeListProcess& m_process;
};

class CChangeEndTag : public CChangeTags {};
