#include "model/StringUtil.h"
#include "model/CharacterSets.h"

#include "core/ExportContext.h"

#include <gtest/gtest.h>

#include <list>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string decimal(unsigned long value)
{
    char digits[CStringUtil::kMaxDecimalDigits];
    return std::string(digits, CStringUtil::convertDecimalToAscii(value, digits));
}

std::string hex(unsigned long value, unsigned char minBytes, unsigned char maxBytes)
{
    char digits[CStringUtil::kMaxHexDigits];
    return std::string(digits, CStringUtil::convertDecimalToHexAscii(value, digits, minBytes, maxBytes));
}

TEST(StringUtil, DecimalReadsTheValueAsSigned32Bits)
{
    EXPECT_EQ(decimal(0), "0");
    EXPECT_EQ(decimal(0x7FFFFFFFul), "2147483647");
    EXPECT_EQ(decimal(0xFFFFFFFFul), "-1");
    EXPECT_EQ(decimal(0x80000000ul), "-2147483648");
    EXPECT_EQ(decimal(0x100000005ul), "5");
}

TEST(StringUtil, HexIsPaddedToTheMinimumAndKeepsTheLowDigitsOfTheMaximum)
{
    EXPECT_EQ(hex(0xABC, 2, 2), "0abc");
    EXPECT_EQ(hex(0x12345, 1, 2), "2345");
    EXPECT_EQ(hex(0x1E9, 1, 1), "e9");
    EXPECT_EQ(hex(0xABCDEF, 1, 4), "abcdef");
    EXPECT_EQ(hex(0x123456, 2, 1), "3456"); // a maximum below the minimum counts as the minimum
    EXPECT_EQ(hex(0, 1, 0), "00");
    EXPECT_EQ(hex(0x12, 0, 0), "");
    EXPECT_EQ(hex(0xFFFFFFFFFFFFFFFFul, 255, 255), std::string(494, '0') + std::string(16, 'f'));
}

using Runs = std::vector<std::pair<uint32_t, std::string>>;

Runs cut(const std::u16string& text, uint32_t wideDefault = 0, bool withMultibyte = true)
{
    CCharacterString string;
    string.setString(reinterpret_cast<const uint16_t*>(text.data()), static_cast<uint32_t>(text.size()), 0);
    string.setWideStringDefaultCharacterSet(wideDefault);
    std::list<CCharacterString> runs;
    CStringUtil::mapWideString(string, runs, withMultibyte);
    Runs result;
    for (const CCharacterString& run : runs)
        result.emplace_back(run.getCharacterSet(), run.getString());
    return result;
}

TEST(WideStringCutting, EachRunHoldsTheCharactersOfTheFirstSetThatHasThem)
{
    EXPECT_EQ(cut(u"Hello, wörld €"), (Runs{{kCharSetCp1252, "Hello, w\xF6rld \x80"}}));
    // Ł is in 1250; ╬ first in 850; α in 437; Cyrillic in none, so the
    // last resort writes '?'; symbol font characters become their low byte.
    EXPECT_EQ(cut(u"aŁb╬αЖд\xF041"), (Runs{{kCharSetCp1252, "a"},
                                           {kCharSetCp1250, "\xA3"},
                                           {kCharSetCp1252, "b"},
                                           {kCharSetCp850, "\xCE"},
                                           {kCharSetCp437, "\xE0"},
                                           {kCharSetLastResort, "??"},
                                           {kCharSetSymbol, "A"}}));
    EXPECT_EQ(cut(u"é", kCharSetCp850), (Runs{{kCharSetCp850, "\x82"}}));
}

TEST(WideStringCutting, JapaneseGoesToTheMultibyteDefaultOnlyWhenAllowed)
{
    const std::u16string text = u"A\x3042\x65E5\xFF71";
    EXPECT_EQ(cut(text, kCharSetCp932), (Runs{{kCharSetCp1252, "A"}, {kCharSetCp932, "\x82\xA0\x93\xFA\xB1"}}));
    EXPECT_EQ(cut(text, kCharSetCp932, false), (Runs{{kCharSetCp1252, "A"}, {kCharSetLastResort, "???"}}));
}

TEST(WideStringCutting, OnlyNonEmptyWideStringsAreCut)
{
    EXPECT_TRUE(cut(u"").empty());
    std::list<CCharacterString> runs;
    CStringUtil::mapWideString(CCharacterString("abc", kCharSetCp1252), runs, true);
    EXPECT_TRUE(runs.empty());
}

TEST(WideStringCutting, ARunStopsAtTheFirstCharacterOfAnotherSet)
{
    const std::u16string text = u"ab\x3042"
                                u"c";
    CCharacterString string;
    string.setString(reinterpret_cast<const uint16_t*>(text.data()), static_cast<uint32_t>(text.size()), 0);
    SCharMapRequest request;
    request.sourceCharSet = kCharSetUnicode;
    request.targetCount = 2;
    request.targetCharSets[0] = kCharSetCp1252;
    request.targetCharSets[1] = kCharSetLastResort;
    CCharacterMap& map = CExportContext::current().characterMapper().getMap(request);

    uint32_t position = 2; // the byte offset of "b"
    CCharacterString run;
    CStringUtil::mapRunOfOneCharSetToChrStr(map, string, position, run);
    EXPECT_EQ(position, 4u);
    EXPECT_EQ(run.getString(), "b");
    CStringUtil::mapRunOfOneCharSetToChrStr(map, string, position, run);
    EXPECT_EQ(position, 6u);
    EXPECT_EQ(run.getCharacterSet(), kCharSetLastResort);
}

} // namespace
