#include "driver/HostCodes.h"

namespace icfdriver {

namespace {

// The filter's own codes, returned beside the host's.
constexpr TRXERR kFilterFailure = 18;
constexpr TRXERR kFilterOutOfMemory = 30;
constexpr TRXERR kFilterMissingHandle = 45;
// A section change the filter cannot follow ends the export with this code.
constexpr TRXERR kSectionChange = 50;

} // namespace

const char* hostCodeName(TRXERR code)
{
    switch (code) {
    case TRXERR_OK:
        return "success";
    case TRXERR_BADPARAM:
        return "bad parameter";
    case TRXERR_NOITEM:
        return "no such item";
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
    case kSectionChange:
        return "section change";
    default:
        return "unknown code";
    }
}

} // namespace icfdriver
