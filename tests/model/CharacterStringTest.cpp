#include "FailureOf.h"

#include "model/CharacterSets.h"
#include "model/CharacterString.h"

#include "core/Exceptions.h"
#include "host/CharacterMapServices.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

CCharacterString wide(const std::u16string& text, uint32_t charSet = 0)
{
    CCharacterString string;
    string.setString(reinterpret_cast<const uint16_t*>(text.data()), static_cast<uint32_t>(text.size()), charSet);
    return string;
}

CCharacterString withCharSet(uint32_t charSet)
{
    CCharacterString string;
    string.setCharacterSet(charSet);
    return string;
}

TEST(CharacterString, CodePageIsReadOutOfTheCharacterSet)
{
    const std::vector<std::pair<uint32_t, short>> cases = {
        {kCharSetDefault, 0},   {kCharSetNoCodePage, 0},  {kCharSetCp720, 720},      {kCharSetUnicode, 1200},
        {kCharSetCp1250, 1250}, {kCharSetIso8859_2, 8592}, {0x0008010A, 8859},       {kCharSetSymbol, 9998},
        {0x20000000, 9998},     {kCharSetLastResort, 9999}, {0xA0000000, 9999},      {0x00040100, 0},
    };
    for (const auto& [charSet, codePage] : cases)
        EXPECT_EQ(withCharSet(charSet).getCodePage(), codePage) << std::hex << charSet;
}

TEST(CharacterString, SetCodePagePicksKnownSetsAndTheDefaultForOthers)
{
    const std::vector<std::pair<short, uint32_t>> cases = {
        {0, kCharSetNoCodePage}, {720, kCharSetCp720},     {936, kCharSetCp936},      {1200, kCharSetUnicode},
        {9998, kCharSetSymbol},  {850, kCharSetDefault},   {1250, kCharSetDefault},   {9999, kCharSetDefault},
    };
    for (const auto& [codePage, charSet] : cases) {
        CCharacterString string = withCharSet(kCharSetCp437);
        string.setCodePage(codePage);
        EXPECT_EQ(string.getCharacterSet(), charSet) << codePage;
    }
    // The same code page leaves the set alone.
    CCharacterString iso = withCharSet(kCharSetIso8859_1);
    iso.setCodePage(8591);
    EXPECT_EQ(iso.getCharacterSet(), kCharSetIso8859_1);
    iso.setCodePage(950);
    EXPECT_EQ(iso.getCodePage(), 950);
    EXPECT_TRUE(iso.isMBC());
}

TEST(CharacterString, SetStringKeepsTheSetOnZeroButWideTextLeavesTheDefault)
{
    const uint16_t units[] = {'a', 'b', 0, 'c'};
    CCharacterString string;
    string.setString(units, 0);
    EXPECT_EQ(string.getCharacterSet(), kCharSetUnicode);
    EXPECT_EQ(string.getLength(), 2u);
    CCharacterString western = withCharSet(kCharSetCp1252);
    western.setString(units, 0);
    EXPECT_EQ(western.getCharacterSet(), kCharSetCp1252);

    string.setString("abc", 0); // 8-bit text never changes a set on 0
    EXPECT_EQ(string.getCharacterSet(), kCharSetUnicode);
    EXPECT_FALSE(string.isWideString());
    string.setString(std::string("a\0b", 3), kCharSetCp1250);
    EXPECT_EQ(string.getString(), std::string("a\0b", 3));
    string.setString(static_cast<const char*>(nullptr), 0);
    EXPECT_EQ(string.getLength(), 0u);
}

TEST(CharacterString, CopiesCarryTextSetsAndWidth)
{
    CCharacterString original = wide(u"héllo");
    original.setWideStringDefaultCharacterSet(kCharSetCp932);
    CCharacterString copy("zz", kCharSetCp1252);
    copy = original;
    EXPECT_TRUE(copy.isWideString() && copy.getCharacterSet() == kCharSetUnicode);
    EXPECT_EQ(copy.getWideStringDefaultCharacterSet(), kCharSetCp932);
    EXPECT_EQ(copy.getCharacterAt(1), u'é');
}

TEST(CharacterString, ComparesBytesOnlyAsSignedValuesAndShorterIsLess)
{
    // Sets and widths are not compared: "a\0" is the bytes of u"a".
    EXPECT_EQ(CCharacterString(std::string("a\0", 2), kCharSetCp1252), wide(u"a"));
    const CCharacterString high("\x80", kCharSetCp1252);
    const CCharacterString low("a", kCharSetCp1252);
    EXPECT_TRUE(high < low && low > high && high <= low && !(high >= low));
    EXPECT_TRUE(low <= low && !(low < low));
    EXPECT_TRUE(CCharacterString("z", 0) < CCharacterString("ab", 0));
    // An assigned empty string has a buffer, a new one has none: still equal.
    CCharacterString withBuffer;
    withBuffer = CCharacterString();
    EXPECT_TRUE(withBuffer == CCharacterString() && !(withBuffer < CCharacterString()));
}

std::vector<uint32_t> outputList(uint32_t wideDefault, bool withMultibyte)
{
    CCharacterString string;
    string.setWideStringDefaultCharacterSet(wideDefault);
    uint32_t list[CCharacterString::kMaxOutputCharSets] = {};
    uint32_t count = 99;
    string.setUpOutputCharSets(count, list, withMultibyte);
    return std::vector<uint32_t>(list, list + count);
}

TEST(CharacterString, OutputListOrder)
{
    const std::vector<uint32_t> tail = {kCharSetCp1250, kCharSetIso8859_1, kCharSetIso8859_2, kCharSetCp850,
                                        kCharSetCp852,  kCharSetCp437,     kCharSetSymbol,    kCharSetLastResort};
    std::vector<uint32_t> expected = {kCharSetCp1252};
    expected.insert(expected.end(), tail.begin(), tail.end());
    EXPECT_EQ(outputList(0, true), expected);
    EXPECT_EQ(outputList(kCharSetCp932, false), expected);
    EXPECT_EQ(outputList(kCharSetUnicode, true), expected);
    expected.insert(expected.begin() + 1, kCharSetCp932);
    EXPECT_EQ(outputList(kCharSetCp932, true), expected);
    // A single-byte default comes first and is not repeated further on.
    const std::vector<uint32_t> dos = outputList(kCharSetCp850, true);
    EXPECT_EQ(dos.size(), 9u);
    EXPECT_EQ(dos[0], kCharSetCp850);
    EXPECT_EQ(dos[1], kCharSetCp1252);
}

TEST(CharacterString, OutputListNeverHoldsMoreThan25SetsNorOneTwice)
{
    uint32_t list[CCharacterString::kMaxOutputCharSets] = {};
    uint32_t count = 0;
    for (uint32_t charSet = 1; charSet <= 40; ++charSet) {
        CCharacterString::addCharSetToOutputList(count, list, charSet);
        CCharacterString::addCharSetToOutputList(count, list, charSet);
    }
    EXPECT_EQ(count, 25u);
    EXPECT_EQ(list[24], 25u);
    EXPECT_FALSE(CCharacterString::findCharSetInOutputList(3, list, 4));
}

// Conversions through the host's maps. Each gives back the maps it made, so
// that afterwards only the map that the map maker keeps is alive.
class CharacterStringMapping : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_LE(trxhost::liveCharacterMapCount(), 1u); }
};

TEST_F(CharacterStringMapping, TargetsDefaultToWindowsWesternAndUnicode)
{
    const CCharacterString string = wide(u"Aé€");
    EXPECT_EQ(string.getString(), "A\xE9\x80");
    EXPECT_EQ(string.getString(kCharSetCp850), "A\x82?");
    uint16_t units[4];
    CCharacterString("\xE9\x80", kCharSetCp1252).getString(units, 4);
    EXPECT_EQ(units[0], 0xE9);
    EXPECT_EQ(units[1], 0x20AC);
    EXPECT_EQ(units[2], 0);
    CCharacterString noSet = wide(u"é"); // a set of 0 is read as Unicode
    noSet.setCharacterSet(0);
    EXPECT_EQ(noSet.getString(), "\xE9");
}

TEST_F(CharacterStringMapping, DoubleByteCodesGoLeadByteFirstAndAreNeverCut)
{
    const CCharacterString string = wide(u"\x3042\x3044");
    EXPECT_EQ(string.getString(kCharSetCp932), "\x82\xA0\x82\xA2");
    char bytes[4];
    string.getString(bytes, sizeof bytes, kCharSetCp932);
    EXPECT_STREQ(bytes, "\x82\xA0");
    EXPECT_EQ(wide(u"é€").getString(kCharSetUnicode), "\xE9\x20\xAC");
    // Text in its own set is copied, not mapped.
    EXPECT_EQ(CCharacterString("\x82\xA0", kCharSetCp932).getString(kCharSetCp932), "\x82\xA0");
}

TEST_F(CharacterStringMapping, BuffersGetAtMostSizeMinusOneCharacters)
{
    const CCharacterString string = wide(u"abc");
    uint16_t units[2] = {7, 7};
    string.getString(units, 1);
    EXPECT_EQ(units[0], 0);
    EXPECT_EQ(units[1], 7);
    string.getString(units, 2, kCharSetCp1252);
    EXPECT_EQ(units[0], 'a');
    EXPECT_EQ(units[1], 0);
    char bytes[2] = {'x', 'x'};
    string.getString(bytes, 1);
    EXPECT_EQ(bytes[0], 0);
    EXPECT_EQ(bytes[1], 'x');
    CCharacterString("abc", kCharSetCp1252).getString(bytes, 2);
    EXPECT_STREQ(bytes, "a");
}

TEST_F(CharacterStringMapping, UnknownSetRaisesTheHostCode)
{
    const auto failure = failureOf<ExChunkerFailed>([] { CCharacterString("abc", 0x7FFF0000).getString(kCharSetCp1252); });
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->getTrxErrNumber(), static_cast<uint32_t>(TRXERR_BADPARAM));
    EXPECT_STREQ(failure->getErrorString(), "REQUIRE_1: err == TRXERR_OK\n\tFile: CUTChMap  ln(120)");
}

} // namespace
