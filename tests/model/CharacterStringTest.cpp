#include "FailureOf.h"

#include "model/CharacterSets.h"
#include "model/CharacterString.h"

#include "core/Exceptions.h"
#include "trx/platform.h"

#include <gtest/gtest.h>

#include <string>

namespace {

CCharacterString wide(const std::u16string& text, uint32_t charSet = 0)
{
    CCharacterString string;
    string.setString(reinterpret_cast<const uint16_t*>(text.data()), static_cast<uint32_t>(text.size()), charSet);
    return string;
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

TEST(CharacterStringMapping, TargetsDefaultToWindowsWesternAndUnicode)
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

TEST(CharacterStringMapping, DoubleByteCodesGoLeadByteFirstAndAreNeverCut)
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

TEST(CharacterStringMapping, BuffersGetAtMostSizeMinusOneCharacters)
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

TEST(CharacterStringMapping, UnknownSetRaisesTheHostCode)
{
    const auto failure =
        failureOf<ExChunkerFailed>([] { CCharacterString("abc", 0x7FFF0000).getString(kCharSetCp1252); });
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->getTrxErrNumber(), static_cast<uint32_t>(TRXERR_BADPARAM));
    EXPECT_STREQ(failure->getErrorString(), "REQUIRE_1: err == TRXERR_OK\n\tFile: CUTChMap  ln(120)");
}

} // namespace
