// Runs a session body and turns whatever it throws into a host code, in a
// fixed order of matching: host failures carry their own code.
#pragma once

#include "core/Exceptions.h"
#include "trx/platform.h"

#include <new>

template <class Body>
TRXERR runGuarded(Body&& body) noexcept
{
    try {
        return body();
    } catch (const ExChunkerFailed& failure) {
        return static_cast<TRXERR>(failure.getTrxErrNumber());
    } catch (const ExMisformedChunkerDataError&) {
        return kFilterFailure;
    } catch (const ExICFWriter&) {
        return kFilterFailure;
    } catch (const std::bad_alloc&) {
        return kFilterOutOfMemory;
    } catch (...) {
        return kFilterFailure;
    }
}
