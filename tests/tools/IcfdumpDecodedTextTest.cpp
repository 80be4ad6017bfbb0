// The decoded-text listing: text escapes and double-byte runs turned back
// into characters.
#include "IcfdumpTestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(IcfdumpDecodedTextTest, EscapesJoinTheTextAroundThemIntoOneRun)
{
    // The "_" after an "XCS" is its placeholder; a "HEX" stands for a control character.
    EXPECT_EQ(decodedListing(icf("Caf<XCS819|e9|>_ au<HEX09|>lait<HEX01|>")), "\"Café au\\tlait\\x01\"\n");
    // Other commands end a run.
    EXPECT_EQ(decodedListing(icf("a<XCS819|e9|>_<BBT>b")), "\"aé\"\nBBT\n\"b\"\n");
    // Without a placeholder the next text is kept whole.
    EXPECT_EQ(decodedListing(icf("<XCS819|e9|>x")), "\"éx\"\n");
}

TEST(IcfdumpDecodedTextTest, SingleByteCodePages)
{
    // 819 is western text as the writer marks it, read as Windows-1252.
    EXPECT_EQ(decodedListing(icf("<XCS819|80|>_")), "\"€\"\n");
    EXPECT_EQ(decodedListing(icf("<XCS1251|c4|>_")), "\"Д\"\n");
    // Bytes a code page does not define, symbol-font glyphs and unknown code pages stay bytes.
    EXPECT_EQ(decodedListing(icf("<XCS819|81|>_<XCS9998|61|>_<XCS4242|e9|>_")), "\"\\x81\\x61\\xe9\"\n");
}

TEST(IcfdumpDecodedTextTest, DoubleByteRunsInBothForms)
{
    // Switched on and off around the digits, and enclosed in one command.
    EXPECT_EQ(decodedListing(icf("A<MBC1|1|0|>82a082a2<MBC0|>B<MBC2|3|0|c4e3bac3>")), "\"AあいB你好\"\n");
    EXPECT_EQ(decodedListing(icf("<MBC2|2|0|a4a4>-<MBC2|4|0|c7d1>")), "\"中-한\"\n");
    // An unknown code set, bytes that are no character, and stray digits.
    EXPECT_EQ(decodedListing(icf("<MBC2|0|0|82a0><MBC2|1|0|ff82a0x>")), "\"\\x82\\xa0\\xffあx\"\n");
}

TEST(IcfdumpDecodedTextTest, StringParametersWithEscapesBecomeOneString)
{
    EXPECT_EQ(decodedListing(icf("<FDT1|3|0|1|Caf<XCS819|e9|>_|0|>")), "FDT 1 3 0 1 \"Café\" 0\n");
    EXPECT_EQ(decodedListing(icf("<FDT1|<MBC2|1|0|82a0>|>")), "FDT 1 \"あ\"\n");
    // A parameter with other commands in it stays a block.
    EXPECT_EQ(decodedListing(icf("<FNI00|<SPS>1<XCS819|e9|>_|>")), "FNI 0x00 #2\n"
                                                                   "  #2:\n"
                                                                   "    SPS\n"
                                                                   "    \"1é\"\n");
}

TEST(IcfdumpDecodedTextTest, EscapesNotAsTheWriterPutsThemStayCommands)
{
    EXPECT_EQ(decodedListing(icf("a<HEXzz|>b<XCS819|>c<MBC7|>")), "\"a\"\n"
                                                                  "HEX \"zz\"\n"
                                                                  "\"b\"\n"
                                                                  "XCS 819\n"
                                                                  "\"c\"\n"
                                                                  "MBC 7\n");
}

} // namespace
