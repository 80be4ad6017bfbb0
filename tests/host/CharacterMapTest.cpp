#include "host/CharacterMapServices.h"
#include "trx/platform.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

constexpr uint32_t kUnicode = 0x14B00000;
constexpr uint32_t kCp1252 = 0x14E40100;
constexpr uint32_t kCp1250 = 0x14E20100;
constexpr uint32_t kLatin1 = 0x00080101;
constexpr uint32_t kLatin2 = 0x00080102;
constexpr uint32_t kCp850 = 0x13520100;
constexpr uint32_t kCp852 = 0x13540100;
constexpr uint32_t kCp437 = 0x11B50100;
constexpr uint32_t kCp720 = 0x12D00100;
constexpr uint32_t kCp932 = 0x13A40000;
constexpr uint32_t kCp936 = 0x13A80000;
constexpr uint32_t kCp949 = 0x13B50000;
constexpr uint32_t kCp950 = 0x13B60000;
constexpr uint32_t kSymbol = 0x20000100;
constexpr uint32_t kLastResort = 0x80000100;
constexpr uint32_t kNewStringDefault = 0x30100;

// The order in which the filter cuts a wide string into runs of one set.
const std::initializer_list<uint32_t> kOutputList = {kCp1252, kCp1250, kLatin1, kLatin2,    kCp850,
                                                     kCp852,  kCp437,  kSymbol, kLastResort};

struct Mapping {
    uint16_t target;
    uint16_t code;
    bool operator==(const Mapping& other) const { return target == other.target && code == other.code; }
};

std::ostream& operator<<(std::ostream& out, const Mapping& mapping)
{
    return out << "target " << mapping.target << " code 0x" << std::hex << mapping.code << std::dec;
}

CMINPUT request(uint32_t source, std::initializer_list<uint32_t> targets)
{
    CMINPUT input{};
    input.sourceCharSet = source;
    for (uint32_t target : targets)
        input.targetCharSets[input.targetCount++] = target;
    return input;
}

class CharacterMapTest : public ::testing::Test {
protected:
    void SetUp() override { liveBefore_ = trxhost::liveCharacterMapCount(); }
    void TearDown() override { EXPECT_EQ(trxhost::liveCharacterMapCount(), liveBefore_); }

    static Mapping map(uint32_t source, std::initializer_list<uint32_t> targets, uint16_t character)
    {
        const CMINPUT input = request(source, targets);
        CMAP cmap{};
        EXPECT_EQ(UTCreateMap(&cmap, &input), TRXERR_OK);
        uint16_t out[2] = {0xAAAA, 0xAAAA};
        EXPECT_EQ(UTMapCharRtn(&cmap, character, out), TRXERR_OK);
        EXPECT_EQ(UTReleaseMap(&cmap), TRXERR_OK);
        return {out[0], out[1]};
    }

private:
    size_t liveBefore_ = 0;
};

TEST_F(CharacterMapTest, WesternLettersGoToTheFirstTarget)
{
    EXPECT_EQ(map(kUnicode, {kCp1252}, u'é'), (Mapping{0, 0xE9}));
    EXPECT_EQ(map(kUnicode, {kCp1252}, u'€'), (Mapping{0, 0x80}));
    EXPECT_EQ(map(kUnicode, kOutputList, u'A'), (Mapping{0, 'A'}));
    EXPECT_EQ(map(kUnicode, {kCp850}, u'é'), (Mapping{0, 0x82}));
    EXPECT_EQ(map(kUnicode, {kLatin1}, u'ÿ'), (Mapping{0, 0xFF}));
}

TEST_F(CharacterMapTest, CentralEuropeanLettersSkipWindowsWestern)
{
    EXPECT_EQ(map(kUnicode, kOutputList, u'ł'), (Mapping{1, 0xB3}));
    EXPECT_EQ(map(kUnicode, kOutputList, u'ś'), (Mapping{1, 0x9C}));
    EXPECT_EQ(map(kUnicode, {kCp1252, kLatin2}, u'ł'), (Mapping{1, 0xB3}));
    EXPECT_EQ(map(kUnicode, {kCp1252, kCp852}, u'ł'), (Mapping{1, 0x88}));
}

TEST_F(CharacterMapTest, GreekAndCyrillicFollowThePreferenceOrder)
{
    // Of the output list only the DOS page 437 has Greek small alpha.
    EXPECT_EQ(map(kUnicode, kOutputList, u'α'), (Mapping{6, 0xE0}));
    EXPECT_EQ(map(kUnicode, {kCp1252, kCp932, kCp936}, u'Ж'), (Mapping{1, 0x8447}));
    EXPECT_EQ(map(kUnicode, {kCp1252, kCp936, kCp932}, u'Ж'), (Mapping{1, 0xA7A8}));
    EXPECT_EQ(map(kUnicode, {kCp936, kCp437}, u'α'), (Mapping{0, 0xA6C1}));
}

TEST_F(CharacterMapTest, EastAsianCharactersHaveDoubleByteCodes)
{
    EXPECT_EQ(map(kUnicode, {kCp1252, kCp932}, u'あ'), (Mapping{1, 0x82A0}));
    EXPECT_EQ(map(kUnicode, {kCp932}, u'日'), (Mapping{0, 0x93FA}));
    EXPECT_EQ(map(kUnicode, {kCp932}, u'ｱ'), (Mapping{0, 0xB1})); // half-width: one byte
    EXPECT_EQ(map(kUnicode, {kCp936}, u'中'), (Mapping{0, 0xD6D0}));
    EXPECT_EQ(map(kUnicode, {kCp949}, u'한'), (Mapping{0, 0xC7D1}));
    EXPECT_EQ(map(kUnicode, {kCp950}, u'中'), (Mapping{0, 0xA4A4}));
    EXPECT_EQ(map(kCp932, {kUnicode}, 0x82A0), (Mapping{0, u'あ'}));
}

TEST_F(CharacterMapTest, SymbolFontHoldsItsPrivateUseBlock)
{
    EXPECT_EQ(map(kUnicode, kOutputList, 0xF041), (Mapping{7, 0x41}));
    EXPECT_EQ(map(kUnicode, {kSymbol, kCp1252}, u'A'), (Mapping{1, 'A'}));
    EXPECT_EQ(map(kSymbol, {kUnicode}, 0xB7), (Mapping{0, 0xF0B7}));
}

TEST_F(CharacterMapTest, UnmappableCharactersBecomeQuestionMarksInTheLastTarget)
{
    EXPECT_EQ(map(kUnicode, kOutputList, u'中'), (Mapping{8, '?'}));
    EXPECT_EQ(map(kUnicode, kOutputList, 0xD800), (Mapping{8, '?'}));
    EXPECT_EQ(map(kUnicode, {kLastResort}, u'Z'), (Mapping{0, 'Z'}));
    EXPECT_EQ(map(kUnicode, {kCp1252, kCp1250}, u'中'), (Mapping{1, '?'}));
    EXPECT_EQ(map(kUnicode, {kUnicode}, 0xFFFF), (Mapping{0, 0xFFFF}));
}

TEST_F(CharacterMapTest, EightBitSourcesReachUnicode)
{
    EXPECT_EQ(map(kCp1252, {kUnicode}, 0x80), (Mapping{0, u'€'}));
    EXPECT_EQ(map(kNewStringDefault, {kUnicode}, 0xE9), (Mapping{0, u'é'}));
    EXPECT_EQ(map(kCp1250, {kUnicode}, 0xB3), (Mapping{0, u'ł'}));
    EXPECT_EQ(map(kCp437, {kUnicode}, 0xE0), (Mapping{0, u'α'}));
    EXPECT_EQ(map(kCp720, {kUnicode}, 0x98), (Mapping{0, 0x0621}));
    EXPECT_EQ(map(kCp850, {kCp1252}, 0x82), (Mapping{0, 0xE9}));
    // A byte the page leaves unassigned still stands for itself in its own set.
    EXPECT_EQ(map(kCp1252, {kUnicode, kCp1252}, 0x81), (Mapping{1, 0x81}));
}

TEST_F(CharacterMapTest, Cp720RoundTripsEveryCode)
{
    const CMINPUT toUnicode = request(kCp720, {kUnicode});
    const CMINPUT fromUnicode = request(kUnicode, {kCp720});
    CMAP forth{};
    CMAP back{};
    ASSERT_EQ(UTCreateMap(&forth, &toUnicode), TRXERR_OK);
    ASSERT_EQ(UTCreateMap(&back, &fromUnicode), TRXERR_OK);
    for (uint16_t code = 0; code <= 0xFF; ++code) {
        uint16_t unicode[2] = {};
        uint16_t again[2] = {};
        ASSERT_EQ(UTMapCharRtn(&forth, code, unicode), TRXERR_OK);
        ASSERT_EQ(UTMapCharRtn(&back, unicode[1], again), TRXERR_OK);
        EXPECT_EQ(again[1], code);
    }
    EXPECT_EQ(UTReleaseMap(&forth), TRXERR_OK);
    EXPECT_EQ(UTReleaseMap(&back), TRXERR_OK);
}

TEST_F(CharacterMapTest, RequestsNamingUnknownSetsAreRefused)
{
    CMAP cmap{};
    const CMINPUT cyrillicSource = request(0x14E30100, {kCp1252});
    const CMINPUT unknownTarget = request(kUnicode, {kCp1252, 0x12345678});
    const CMINPUT noTarget = request(kUnicode, {});
    CMINPUT tooMany = request(kUnicode, {kCp1252});
    tooMany.targetCount = CM_MAX_TARGETS + 1;
    for (const CMINPUT* input : {&cyrillicSource, &unknownTarget, &noTarget, static_cast<const CMINPUT*>(&tooMany)})
        EXPECT_EQ(UTCreateMap(&cmap, input), TRXERR_BADPARAM);
    EXPECT_EQ(UTCreateMap(&cmap, nullptr), TRXERR_BADPARAM);
}

TEST_F(CharacterMapTest, OnlyLiveMapsCanBeUsedAndReleased)
{
    const CMINPUT input = request(kUnicode, {kCp1252});
    CMAP first{};
    CMAP second{};
    ASSERT_EQ(UTCreateMap(&first, &input), TRXERR_OK);
    ASSERT_EQ(UTCreateMap(&second, &input), TRXERR_OK);
    EXPECT_NE(first.words[0], second.words[0]);
    EXPECT_EQ(UTReleaseMap(&first), TRXERR_OK);
    EXPECT_EQ(UTReleaseMap(&first), TRXERR_BADPARAM);
    uint16_t out[2] = {};
    EXPECT_EQ(UTMapCharRtn(&first, 'a', out), TRXERR_BADPARAM);
    EXPECT_EQ(UTMapCharRtn(&second, 'a', out), TRXERR_OK);
    CMAP forged = second;
    forged.words[2] = 0;
    EXPECT_EQ(UTReleaseMap(&forged), TRXERR_BADPARAM);
    CMAP zeroed{};
    EXPECT_EQ(UTReleaseMap(&zeroed), TRXERR_BADPARAM);
    EXPECT_EQ(UTReleaseMap(&second), TRXERR_OK);
}

} // namespace
