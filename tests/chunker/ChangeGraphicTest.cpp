// Graphic changes where no golden case reaches: objects beyond the list of
// embedded objects and property changes that run into the end of the
// change list.
#include "FailureOf.h"
#include "ReaderTreeFixture.h"

#include "core/Exceptions.h"
#include "trx/changes.h"

namespace {

using namespace readertest;

// The one embedded object's properties never end; the list holds nothing at
// the next id, and the host knows no id after that.
constexpr uint32_t kNeverEnding = 0;
constexpr uint32_t kAtTheEnd = 1;
constexpr uint32_t kBeyondTheEnd = 2;

class ChangeGraphicTest : public ChangeHandlerFixture {
protected:
    ChangeGraphicTest()
        : ChangeHandlerFixture("@name property text \"a.png\"\n"
                               "@open property url @name\n"
                               "record embedded object properties @open\n")
    {
    }
};

TEST_F(ChangeGraphicTest, MissingObjectsAndEndlessPropertiesFailAndPlaceNothing)
{
    EXPECT_EQ(
        messageOf<ExMisformedChunkerDataError>([&] { ReaderTreeFixture::change(CHCHANGE_EMBEDDED_OBJECT, kAtTheEnd); }),
        "REQUIRE_1: locErr == TRXERR_OK\n\tFile: ChCGraph");
    const auto beyond =
        failureOf<ExChunkerFailed>([&] { ReaderTreeFixture::change(CHCHANGE_EMBEDDED_OBJECT, kBeyondTheEnd); });
    ASSERT_TRUE(beyond);
    EXPECT_EQ(beyond->getTrxErrNumber(), uint32_t{TRXERR_BADPARAM});
    EXPECT_EQ(messageOf<ExMisformedChunkerDataError>(
                  [&] { ReaderTreeFixture::change(CHCHANGE_EMBEDDED_OBJECT, kNeverEnding); }),
              "REQUIRE: changeType == CHCHANGE_END_PROPERTIES\n\tFile: ChCGraph");
    EXPECT_TRUE(childrenOf(cursor).empty());
}

} // namespace
