// Items computed when they are asked for instead of stored: the source of a
// list too large to hold, such as the lists of a generated document.
#pragma once

#include "trx/platform.h"

#include <cstdint>

namespace trxhost {

class TRX_API ItemSource {
public:
    virtual ~ItemSource() = default;

    // The number of items; their ids run from 0.
    virtual uint32_t length() const = 0;
    // Writes the records of `count` items from id `first` on to `out`, each
    // as its list stores it; the items all lie below length().
    virtual void copy(uint32_t first, uint32_t count, uint8_t* out) const = 0;
};

} // namespace trxhost
