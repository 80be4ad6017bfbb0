#include "FailureOf.h"

#include "chunker/UTCharMap.h"

#include "core/Exceptions.h"
#include "host/CharacterMapServices.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr uint32_t kUnicode = 0x14B00000;
constexpr uint32_t kWindowsWestern = 0x14E40100;
constexpr uint32_t kDosLatin = 0x13520100;
constexpr uint32_t kLastResort = 0x80000100;

CMINPUTtag request(uint32_t source, uint32_t target)
{
    CMINPUTtag result{};
    result.sourceCharSet = source;
    result.targetCount = 1;
    result.targetCharSets[0] = target;
    return result;
}

// Live host maps are counted from a known state: the map maker keeps the
// map of `cached`, and nothing else of the test is alive.
class UTCharMapTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CMAPtag map{};
        maker.createMap(&map, &cached);
        maker.releaseMap(&map);
        base = trxhost::liveCharacterMapCount();
    }

    long live() const { return static_cast<long>(trxhost::liveCharacterMapCount() - base); }

    void expectFailure(const std::function<void()>& call, const char* message)
    {
        const auto failure = failureOf<ExChunkerFailed>(call);
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->getTrxErrNumber(), static_cast<uint32_t>(TRXERR_BADPARAM));
        EXPECT_STREQ(failure->getErrorString(), message);
    }

    CUTCharMap& maker = CUTCharMap::getInstance();
    const CMINPUTtag cached = request(kUnicode, kWindowsWestern);
    const CMINPUTtag other = request(kUnicode, kDosLatin);
    size_t base = 0;
};

TEST_F(UTCharMapTest, RepeatedRequestMakesOnlyTheCallersMap)
{
    CMAPtag first{};
    CMAPtag second{};
    maker.createMap(&first, &cached);
    maker.createMap(&second, &cached);
    EXPECT_EQ(live(), 2);
    maker.releaseMap(&first);
    maker.releaseMap(&second);
    EXPECT_EQ(live(), 0);
}

TEST_F(UTCharMapTest, NewRequestReplacesTheKeptMapAndTheCallerGetsItsOwn)
{
    CMAPtag map{};
    maker.createMap(&map, &other);
    EXPECT_EQ(live(), 1); // one released, two made
    maker.releaseMap(&map);
    EXPECT_EQ(live(), 0);
    expectFailure([&] { maker.releaseMap(&map); }, "REQUIRE_1: err == TRXERR_OK\n\tFile: CUTChMap  ln(136)");
    // The kept map is now the one of `other`: asking again makes one map.
    maker.createMap(&map, &other);
    EXPECT_EQ(live(), 1);
    uint16_t out[2] = {};
    maker.mapCharacter(&map, 0x00E9, out);
    EXPECT_EQ(out[1], 0x82);
    maker.releaseMap(&map);
}

TEST_F(UTCharMapTest, RequestsAreComparedInAllTheirBytes)
{
    CMINPUTtag variant = cached;
    variant.reserved[1] = 1;
    CMAPtag map{};
    maker.createMap(&map, &variant);
    maker.releaseMap(&map);
    maker.createMap(&map, &cached); // replaces the kept map again
    EXPECT_EQ(live(), 1);
    maker.releaseMap(&map);
    EXPECT_EQ(live(), 0);
}

TEST_F(UTCharMapTest, FailedRequestLeavesNothingKept)
{
    CMAPtag map{};
    const CMINPUTtag unknown = request(0x7FFF0000, kWindowsWestern);
    expectFailure([&] { maker.createMap(&map, &unknown); }, "REQUIRE_1: err == TRXERR_OK\n\tFile: CUTChMap  ln(120)");
    EXPECT_EQ(live(), -1);
    expectFailure([&] { maker.createMap(&map, &unknown); }, "REQUIRE_1: err == TRXERR_OK\n\tFile: CUTChMap  ln(120)");
    CMAPtag bogus{};
    uint16_t out[2] = {};
    expectFailure([&] { maker.mapCharacter(&bogus, 'a', out); },
                  "REQUIRE_1: err == TRXERR_OK\n\tFile: CUTChMap  ln(148)");
}

TEST_F(UTCharMapTest, ScopedMapNamesTheTargetSetAndIsReleasedOnEveryPath)
{
    SCharMapRequest twoTargets;
    twoTargets.sourceCharSet = cached.sourceCharSet;
    twoTargets.targetCount = 2;
    twoTargets.targetCharSets[0] = cached.targetCharSets[0];
    twoTargets.targetCharSets[1] = kLastResort;
    {
        CScopedCharMap map(twoTargets);
        const SMappedCharacter euro = map.map(0x20AC);
        EXPECT_EQ(euro.charSet, kWindowsWestern);
        EXPECT_EQ(euro.code, 0x80);
        const SMappedCharacter zhe = map.map(0x0416);
        EXPECT_EQ(zhe.charSet, kLastResort);
        EXPECT_EQ(zhe.code, '?');
        map.release();
        EXPECT_EQ(live(), 0);
    }
    try {
        CScopedCharMap map(twoTargets);
        throw 1;
    } catch (int) {
    }
    EXPECT_EQ(live(), 0);
}

} // namespace
