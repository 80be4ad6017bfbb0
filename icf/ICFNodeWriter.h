// The base of every ICF node writer. Besides writing, an ICF node writer
// can give the plain text of its node's content.
#pragma once

#include "model/CharacterString.h"
#include "model/NodeWriter.h"

#include <list>

class CICFNodeWriter : public CNodeWriter {
public:
    // Appends the text of the node's content in document order: the text
    // each child's ICF node writer gives. Text strand writers give their
    // own text instead.
    virtual void getText(std::list<CCharacterString>& texts);
};
