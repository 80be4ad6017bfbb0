// Names of the host error codes a filter returns, for messages.
#pragma once

#include "trx/platform.h"

namespace icfdriver {

// "bad parameter", "memory exhausted", ... or "unknown code".
const char* hostCodeName(TRXERR code);

} // namespace icfdriver
