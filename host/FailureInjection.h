// Failures a listing asks the services to answer with, so that every failure
// path of a filter can be driven from a document.
#pragma once

#include "trx/platform.h"
#include "trxhost/Document.h"
#include "trxhost/Export.h"

#include <cstdint>

namespace trxhost {

// True when the active export's document asks `service` (its C name, such as
// "CHGetItem") to fail for (list, item); the code to answer goes to *code.
// Services without a list or item pass 0 for them. Some services run for
// every character, so a document without failures costs a test here.
inline bool injectedFailure(const char* service, uint32_t list, uint32_t item, TRXERR* code)
{
    const Export* active = Export::active();
    return active && !active->document().failures().empty() &&
           active->document().injectedFailure(service, list, item, code);
}

} // namespace trxhost
