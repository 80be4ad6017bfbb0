// The summary command: a fixed row of slots, each a null parameter until a
// summary item's text fills it.
#pragma once

#include "icf/ICFCommand.h"

#include <cstdint>

class CICFCodeSSI : public CICFCommand {
public:
    static constexpr uint32_t kSlotCount = 22;

    CICFCodeSSI();

    // Puts a copy of `text` into slot `slot` (counted from 1), replacing what
    // was there; slot 0 and slots past the last are ignored.
    void setParameter(uint32_t slot, const CICFStringParameter& text);
};
