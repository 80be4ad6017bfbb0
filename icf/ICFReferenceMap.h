// The references whose begin has been written and whose end has not: what
// the end needs of its begin, kept by the reference's name after the begin
// node itself has been written and released.
#pragma once

#include "icf/ICFCommandWriter.h"
#include "model/CharacterString.h"
#include "model/ReferenceBeginCSNode.h"

#include <map>
#include <memory>

struct SICFReferenceBegin {
    EReferenceType type{};
    CCharacterString target;
    // The begin's "XRF", left open while the reference's displayed result
    // is kept out of the output (command output is switched off until the
    // end); null when the begin finished its command.
    std::unique_ptr<CICFCommandWriter> keptCommand;
};

using CICFReferenceMap = std::map<CCharacterString, SICFReferenceBegin>;
