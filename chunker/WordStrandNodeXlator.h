// Splits a finished reader text strand by script so that each piece carries
// the font meant for its characters.
#pragma once

#include "model/NodeXlator.h"

class CWordStrandNodeXlator : public CNodeXlator {
public:
    void onDone() override;
};
