#include "icf/ICFTextWriter.h"
#include "icf/ICFWriter.h"

#include "ICFBytes.h"
#include "ICFOutputFixture.h"

#include "model/CharacterSets.h"
#include "model/CharacterString.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Japanese "a i" (hiragana) in code page 932.
const std::string kHiraganaAI = "\x82\xa0\x82\xa2";

class ICFTextWriterTest : public ICFOutputFixture {
protected:
    std::string written(const CCharacterString& text, EMBCTypes type = kMBCEnclosed)
    {
        output().clear();
        CICFTextWriter textWriter(type);
        textWriter.writeText(&writer, text);
        textWriter.done();
        return output();
    }
};

TEST_F(ICFTextWriterTest, ControlBytesBecomeHexCommands)
{
    EXPECT_EQ(written(CCharacterString("A\x01" "B\x1f", kCharSetCp1252)), "A" CI "HEX" "01" PE CE "B" CI "HEX" "1f" PE CE);
    EXPECT_EQ(written(CCharacterString(" ~", kCharSetCp1252)), " ~");
}

TEST_F(ICFTextWriterTest, HighBytesBecomeExtendedCharactersWithAPlaceholder)
{
    // Windows Western and code page 0 are both named by 819.
    EXPECT_EQ(written(CCharacterString("caf\xe9", kCharSetCp1252)), "caf" CI "XCS" "819" PE "e9" PE CE "_");
    EXPECT_EQ(written(CCharacterString("\x80", kCharSetDefault)), CI "XCS" "819" PE "80" PE CE "_");
    EXPECT_EQ(written(CCharacterString("\x82", kCharSetCp850)), CI "XCS" "850" PE "82" PE CE "_");
}

TEST_F(ICFTextWriterTest, SymbolTextIsAllExtendedCharacters)
{
    EXPECT_EQ(written(CCharacterString("a\x01\xb7", kCharSetSymbol)),
              CI "XCS" "9998" PE "61" PE CE "_" CI "XCS" "9998" PE "01" PE CE "_" CI "XCS" "9998" PE "b7" PE CE "_");
}

TEST_F(ICFTextWriterTest, AZeroByteEndsTheText)
{
    CCharacterString text;
    text.setString("AB\0C", 4, kCharSetCp1252);
    EXPECT_EQ(written(text), "AB");
}

TEST_F(ICFTextWriterTest, JapaneseInBothBracketForms)
{
    const CCharacterString japanese(kHiraganaAI, kCharSetCp932);
    EXPECT_EQ(written(japanese, kMBCSwitched), CI "MBC" "1" PE "1" PE "0" PE CE "82a082a2" CI "MBC" "0" PE CE);
    EXPECT_EQ(written(japanese, kMBCEnclosed), CI "MBC" "2" PE "1" PE "0" PE "82a082a2" CE);
}

TEST_F(ICFTextWriterTest, EachDoubleByteCodePageHasItsCodeSet)
{
    EXPECT_EQ(written(CCharacterString("\xa4\xa4", kCharSetCp950)), CI "MBC" "2" PE "2" PE "0" PE "a4a4" CE);
    EXPECT_EQ(written(CCharacterString("\xd6\xd0", kCharSetCp936)), CI "MBC" "2" PE "3" PE "0" PE "d6d0" CE);
    EXPECT_EQ(written(CCharacterString("\xc7\xd1", kCharSetCp949)), CI "MBC" "2" PE "4" PE "0" PE "c7d1" CE);
}

TEST_F(ICFTextWriterTest, AZeroTrailByteEndsOnlyJapaneseText)
{
    CCharacterString japanese;
    japanese.setString("\x82\0AB", 4, kCharSetCp932);
    EXPECT_EQ(written(japanese), CI "MBC" "2" PE "1" PE "0" PE "82" CE);

    CCharacterString chinese;
    chinese.setString("\x82\0AB\0C", 6, kCharSetCp936);
    EXPECT_EQ(written(chinese), CI "MBC" "2" PE "3" PE "0" PE "82004142" CE);
}

TEST_F(ICFTextWriterTest, WideJapaneseGetsItsOwnBracketInEitherForm)
{
    const uint16_t wide[] = {u'A', 0x3042, 0x3044, u'.', 0};
    CCharacterString text(wide, kCharSetUnicode);
    text.setWideStringDefaultCharacterSet(kCharSetCp932);
    EXPECT_EQ(written(text, kMBCSwitched), "A" CI "MBC" "1" PE "1" PE "0" PE CE "82a082a2" CI "MBC" "0" PE CE ".");
    EXPECT_EQ(written(text, kMBCEnclosed), "A" CI "MBC" "2" PE "1" PE "0" PE "82a082a2" CE ".");
}

TEST_F(ICFTextWriterTest, SettingTheSameTypeLeavesTheBracketOpen)
{
    CICFTextWriter textWriter(kMBCEnclosed);
    textWriter.openMBCCmdWriter(&writer, 932);
    textWriter.setMBCType(kMBCEnclosed);
    writer.writeAsciiHexadecimal(0x82a0, 2, 2);
    EXPECT_EQ(output(), CI "MBC" "2" PE "1" PE "0" PE "82a0");

    // A new type closes the bracket in the form it was opened in.
    textWriter.setMBCType(kMBCSwitched);
    EXPECT_EQ(textWriter.getMBCType(), kMBCSwitched);
    EXPECT_EQ(output(), CI "MBC" "2" PE "1" PE "0" PE "82a0" CE);
    textWriter.done();
    EXPECT_EQ(output(), CI "MBC" "2" PE "1" PE "0" PE "82a0" CE);
}

TEST_F(ICFTextWriterTest, OpeningAgainClosesTheOpenBracketAndTheDestructorClosesTheLast)
{
    {
        CICFTextWriter textWriter(kMBCSwitched);
        textWriter.openMBCCmdWriter(&writer, 949);
        textWriter.openMBCCmdWriter(&writer, 1252);
    }
    EXPECT_EQ(output(), CI "MBC" "1" PE "4" PE "0" PE CE CI "MBC" "0" PE CE
                            CI "MBC" "1" PE "0" PE "0" PE CE CI "MBC" "0" PE CE);
}

} // namespace
