#include "driver/HostCodes.h"

namespace icfdriver {

namespace {

// The filter's own codes, returned beside the host's.
constexpr TRXERR kFilterFailure = 18;
constexpr TRXERR kFilterOutOfMemory = 30;
constexpr TRXERR kFilterMissingHandle = 45;

} // namespace

const char* hostCodeName(TRXERR code)
{
    switch (code) {
    case TRXERR_OK:
        return "TRXERR_OK";
    case TRXERR_BADPARAM:
        return "TRXERR_BADPARAM";
    case TRXERR_NOITEM:
        return "TRXERR_NOITEM";
    case TRXERR_NOFILE:
        return "no such file";
    case TRXERR_EOF:
        return "end of file";
    case kFilterFailure:
        return "filter failure";
    case kFilterOutOfMemory:
        return "memory exhausted";
    case kFilterMissingHandle:
        return "export or chunker handle missing";
    default:
        return "unknown code";
    }
}

} // namespace icfdriver
