// Runs a session body and turns whatever it throws into a host code, in a
// fixed order of matching: host failures carry their own code, memory
// exhaustion is 30 and every other failure 18.
#pragma once

#include "core/Exceptions.h"
#include "trx/platform.h"

#include <exception>
#include <new>

namespace session_guard {

template <class Report>
TRXERR failed(Report& report, const char* reason, TRXERR code) noexcept
{
    report(reason, code);
    return code;
}

} // namespace session_guard

// `report` (const char* reason, TRXERR code) hears of each failure while its
// exception is alive, so that the reason may point into it; it must not throw.
template <class Body, class Report>
TRXERR runGuarded(Body&& body, Report&& report) noexcept
{
    using session_guard::failed;
    try {
        return body();
    } catch (const ExChunkerFailed& failure) {
        return failed(report, failure.getErrorString(), static_cast<TRXERR>(failure.getTrxErrNumber()));
    } catch (const ExBase& failure) {
        // ExMisformedChunkerDataError, ExICFWriter and the rest alike.
        return failed(report, failure.getErrorString(), kFilterFailure);
    } catch (const std::bad_alloc& failure) {
        return failed(report, failure.what(), kFilterOutOfMemory);
    } catch (const std::exception& failure) {
        return failed(report, failure.what(), kFilterFailure);
    } catch (...) {
        return failed(report, "an exception of unknown type", kFilterFailure);
    }
}

template <class Body>
TRXERR runGuarded(Body&& body) noexcept
{
    return runGuarded(body, [](const char*, TRXERR) noexcept {});
}
