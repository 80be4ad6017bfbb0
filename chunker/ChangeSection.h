// The host's section change. The sections themselves come from section
// breaks; a section change with a non-zero value 1 is a form the filter does
// not handle, and ends the export with code 50.
#pragma once

#include "chunker/Change.h"

class CChangeSection : public CChange {
public:
    uint32_t process(INode*& current) override;
};
