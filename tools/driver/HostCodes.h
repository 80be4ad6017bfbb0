// Names of the host error codes a filter returns, for messages.
#pragma once

#include "trx/platform.h"

namespace icfdriver {

// "TRXERR_NOITEM", "memory exhausted", ... or "unknown code".
const char* hostCodeName(TRXERR code);

} // namespace icfdriver
