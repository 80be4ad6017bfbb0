#include "filter/SessionGuard.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

template <class Exception>
TRXERR codeFor(Exception exception)
{
    return runGuarded([&]() -> TRXERR { throw exception; });
}

TEST(SessionGuard, MapsEachExceptionToItsHostCode)
{
    EXPECT_EQ(runGuarded([] { return TRXERR_OK; }), TRXERR_OK);
    EXPECT_EQ(codeFor(ExChunkerFailed("host", 99)), 99);
    EXPECT_EQ(codeFor(ExChunkerFailed("host", static_cast<uint32_t>(-5))), -5);
    EXPECT_EQ(codeFor(ExMisformedChunkerDataError("data")), 18);
    EXPECT_EQ(codeFor(ExNodeParsingError("tree")), 18);
    EXPECT_EQ(codeFor(ExICFWriter("short write")), 18);
    EXPECT_EQ(codeFor(std::bad_alloc()), 30);
    EXPECT_EQ(codeFor(ExAssertionFailed("assert")), 18);
    EXPECT_EQ(codeFor(std::runtime_error("other")), 18);
    EXPECT_EQ(codeFor(42), 18);
}

} // namespace
