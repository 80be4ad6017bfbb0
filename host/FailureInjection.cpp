#include "host/FailureInjection.h"
#include "trxhost/Document.h"
#include "trxhost/Export.h"

namespace trxhost {

bool injectedFailure(const char* service, uint32_t list, uint32_t item, TRXERR* code)
{
    const Export* active = Export::active();
    return active && active->document().injectedFailure(service, list, item, code);
}

} // namespace trxhost
