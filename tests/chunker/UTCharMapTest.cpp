#include "FailureOf.h"

#include "chunker/UTCharMap.h"

#include "core/Exceptions.h"
#include "host/CharacterMapServices.h"
#include "trxhost/Document.h"
#include "trxhost/Export.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr uint32_t kUnicode = 0x14B00000;
constexpr uint32_t kWindowsWestern = 0x14E40100;
constexpr uint32_t kDosLatin = 0x13520100;
constexpr uint32_t kLastResort = 0x80000100;
constexpr TRXERR kInjectedCode = 77;

CMINPUTtag request(uint32_t source, uint32_t target)
{
    CMINPUTtag result{};
    result.sourceCharSet = source;
    result.targetCount = 1;
    result.targetCharSets[0] = target;
    return result;
}

// Each test has a map maker of its own, as one export has; live host maps
// are counted from before it made any.
class UTCharMapTest : public ::testing::Test {
protected:
    long live() const { return static_cast<long>(trxhost::liveCharacterMapCount() - base); }

    void expectFailure(const std::function<void()>& call, TRXERR code, const char* message)
    {
        const auto failure = failureOf<ExChunkerFailed>(call);
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->getTrxErrNumber(), static_cast<uint32_t>(code));
        EXPECT_STREQ(failure->getErrorString(), message);
    }

    // Makes the host answer `code` to every call of `service` until
    // stopFailing().
    void failEvery(const char* service, TRXERR code)
    {
        document.addFailure({service, std::nullopt, std::nullopt, code});
        hostExport = std::make_unique<trxhost::Export>(document);
    }
    void stopFailing() { hostExport.reset(); }

    const size_t base = trxhost::liveCharacterMapCount();
    CUTCharMap maker;
    trxhost::Document document;
    std::unique_ptr<trxhost::Export> hostExport;
    const CMINPUTtag toWindows = request(kUnicode, kWindowsWestern);
    const CMINPUTtag toDos = request(kUnicode, kDosLatin);
};

TEST_F(UTCharMapTest, EachDistinctRequestMakesOneHostMapKeptUntilTheMapsAreReleased)
{
    CHostCharMap& windows = maker.getMap(toWindows);
    EXPECT_EQ(&maker.getMap(toWindows), &windows);
    EXPECT_EQ(live(), 1);
    EXPECT_NE(&maker.getMap(toDos), &windows);
    CMINPUTtag variant = toWindows;
    variant.reserved[1] = 1; // requests are compared in all their bytes
    EXPECT_NE(&maker.getMap(variant), &windows);
    EXPECT_EQ(&maker.getMap(toWindows), &windows);
    EXPECT_EQ(live(), 3);
    EXPECT_EQ(maker.getMap(toDos).map(0x00E9).code, 0x82);

    maker.releaseMaps();
    EXPECT_EQ(live(), 0);
    maker.releaseMaps(); // nothing left to release
    {
        CUTCharMap failedExport; // releases its maps quietly when destroyed
        failedExport.getMap(toWindows);
        EXPECT_EQ(live(), 1);
    }
    EXPECT_EQ(live(), 0);
}

TEST_F(UTCharMapTest, AnswersAreRememberedAndFailuresAreNot)
{
    CMINPUTtag twoTargets = toWindows;
    twoTargets.targetCount = 2;
    twoTargets.targetCharSets[1] = kLastResort;
    CHostCharMap& map = maker.getMap(twoTargets);
    const SMappedCharacter euro = map.map(0x20AC);
    EXPECT_EQ(euro.charSet, kWindowsWestern);
    EXPECT_EQ(euro.code, 0x80);
    const SMappedCharacter zhe = map.map(0x0416);
    EXPECT_EQ(zhe.charSet, kLastResort);
    EXPECT_EQ(zhe.code, '?');
    EXPECT_EQ(map.map('a').code, 'a');

    // Characters asked before are answered without the host.
    failEvery("UTMapCharRtn", kInjectedCode);
    EXPECT_EQ(map.map(0x20AC).code, 0x80);
    EXPECT_EQ(map.map('a').code, 'a');
    const char* mapFailed = "REQUIRE_1: err == TRXERR_OK\n\tFile: CUTChMap  ln(148)";
    expectFailure([&] { map.map('b'); }, kInjectedCode, mapFailed);
    expectFailure([&] { map.map(0x2122); }, kInjectedCode, mapFailed);
    stopFailing();
    EXPECT_EQ(map.map('b').code, 'b');
    EXPECT_EQ(map.map(0x2122).code, 0x99);
}

TEST_F(UTCharMapTest, FailedCreationKeepsNothing)
{
    const char* createFailed = "REQUIRE_1: err == TRXERR_OK\n\tFile: CUTChMap  ln(120)";
    failEvery("UTCreateMap", kInjectedCode);
    expectFailure([&] { maker.getMap(toWindows); }, kInjectedCode, createFailed);
    EXPECT_EQ(live(), 0);
    stopFailing();
    maker.getMap(toWindows);
    EXPECT_EQ(live(), 1);
    const CMINPUTtag unknown = request(0x7FFF0000, kWindowsWestern);
    expectFailure([&] { maker.getMap(unknown); }, TRXERR_BADPARAM, createFailed);
    EXPECT_EQ(live(), 1);
}

TEST_F(UTCharMapTest, ReleaseFailureIsReportedOnceEveryMapIsReleased)
{
    maker.getMap(toWindows);
    // The stand-in numbers its maps in order and a record holds the number
    // and its complement: the map made just before a probe can be released
    // behind the maker's back.
    CMAPtag probe{};
    ASSERT_EQ(UTCreateMap(&probe, &toDos), TRXERR_OK);
    ASSERT_EQ(UTReleaseMap(&probe), TRXERR_OK);
    CMAPtag kept = probe;
    kept.words[0] -= 1;
    kept.words[2] = ~kept.words[0];
    ASSERT_EQ(UTReleaseMap(&kept), TRXERR_OK);
    maker.getMap(toDos);
    EXPECT_EQ(live(), 1);

    expectFailure([&] { maker.releaseMaps(); }, TRXERR_BADPARAM,
                  "REQUIRE_1: err == TRXERR_OK\n\tFile: CUTChMap  ln(136)");
    EXPECT_EQ(live(), 0);
    maker.releaseMaps(); // the failed map is not tried again
}

} // namespace
