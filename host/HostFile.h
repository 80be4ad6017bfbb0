// Host files: the records behind HIOFILE handles.
#pragma once

#include "trx/platform.h"

#include <cstdint>
#include <vector>

namespace trxhost {

// A read-only host file over bytes held in memory (an embedded object).
// It is released by its close routine like every host file.
TRX_API HIOFILE openMemoryFile(std::vector<uint8_t> bytes);

} // namespace trxhost
