// The host's own view of the character maps that UTCreateMap hands out.
#pragma once

#include "trx/platform.h"

#include <cstddef>

namespace trxhost {

// The number of maps made and not yet released, for leak checks.
TRX_API std::size_t liveCharacterMapCount();

} // namespace trxhost
