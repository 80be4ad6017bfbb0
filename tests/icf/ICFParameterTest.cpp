#include "icf/ICFCommand.h"
#include "icf/ICFParameter.h"
#include "icf/ICFWriter.h"

#include "ICFBytes.h"
#include "ICFOutputFixture.h"

#include "model/CharacterSets.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class ICFParameterTest : public ICFOutputFixture {
protected:
    // The bytes of the command "TST" with the one parameter.
    std::string rendered(const CICFParameter& parameter)
    {
        CICFCommand command("TST");
        command.addParameter(parameter);
        stream.bytes.clear();
        command.write(&writer);
        return stream.bytes;
    }
};

TEST_F(ICFParameterTest, NumbersRenderAsDecimalOrFixedWidthHex)
{
    EXPECT_EQ(rendered(CICFNullParameter()), CI "TST" PE CE);
    EXPECT_EQ(rendered(CICFDecimalParameter(static_cast<unsigned long>(-3L))), CI "TST" "-3" PE CE);
    EXPECT_EQ(rendered(CICFHexParameter(0x1A)), CI "TST" "1a" PE CE);
    EXPECT_EQ(rendered(CICFHexParameter(0x1A, kHexSizeWord)), CI "TST" "001a" PE CE);
    EXPECT_EQ(rendered(CICFHexParameter(0x1A, kHexSizeDoubleWord)), CI "TST" "0000001a" PE CE);
    EXPECT_EQ(rendered(CICFHexParameter(0x1A, static_cast<EHexSizeType>(7))), CI "TST" "001a" PE CE);
    EXPECT_EQ(rendered(CICFHexParameter(0x12345)), CI "TST" "45" PE CE);
}

TEST_F(ICFParameterTest, StringsAndNestedCommandsRenderInsideTheParameter)
{
    CICFStringParameter text(CCharacterString("a\x01", kCharSetCp1252));
    text.addString(CCharacterString("\xe9", kCharSetCp1252));
    EXPECT_EQ(rendered(text), CI "TST" "a" CI "HEX" "01" PE CE CI "XCS" "819" PE "e9" PE CE "_" PE CE);

    CICFNestedParameter nested;
    nested.getCommandList().emplace_back("BBT");
    nested.getCommandList().emplace_back("SLG");
    nested.getCommandList().back().addParameter(CICFDecimalParameter(1033));
    EXPECT_EQ(rendered(nested), CI "TST" CI "BBT" CE CI "SLG" "1033" PE CE PE CE);
}

TEST(ICFParameterEquality, ComparesTypeThenValue)
{
    EXPECT_EQ(CICFDecimalParameter(5), CICFDecimalParameter(5));
    EXPECT_NE(CICFDecimalParameter(5), CICFDecimalParameter(6));
    EXPECT_NE(CICFDecimalParameter(5), CICFHexParameter(5));
    EXPECT_NE(CICFHexParameter(5), CICFHexParameter(5, kHexSizeDoubleWord));
    EXPECT_EQ(CICFDecimalParameter(static_cast<unsigned long>(-1L)), CICFDecimalParameter(0xFFFFFFFFul));
    EXPECT_NE(CICFNullParameter(), CICFDecimalParameter(0));

    // Strings compare by their bytes, string by string.
    CICFStringParameter ab(CCharacterString("a", kCharSetCp1252));
    ab.addString(CCharacterString("b", kCharSetCp1252));
    EXPECT_NE(ab, CICFStringParameter(CCharacterString("ab", kCharSetCp1252)));
    EXPECT_EQ(ab, CICFStringParameter({CCharacterString("a", kCharSetCp850), CCharacterString("b", kCharSetCp850)}));
}

TEST(ICFParameterCopies, AreEqualAndIndependent)
{
    CICFStringParameter text(CCharacterString("x", kCharSetCp1252));
    CICFNestedParameter nested;
    nested.getCommandList().emplace_back("EBT");
    const std::unique_ptr<CICFParameter> textCopy = text.clone();
    const std::unique_ptr<CICFParameter> nestedCopy = nested.clone();
    EXPECT_EQ(*textCopy, text);
    EXPECT_EQ(*nestedCopy, nested);

    text.addString(CCharacterString("y", kCharSetCp1252));
    nested.getCommandList().front().addParameter(CICFNullParameter());
    EXPECT_NE(*textCopy, text);
    EXPECT_NE(*nestedCopy, nested);

    // A command keeps copies of its parameters and is copied deeply.
    CICFCommand original("SLG");
    CICFDecimalParameter language(1033);
    original.addParameter(language);
    language = 1031;
    EXPECT_EQ(*original.getParameterList().front(), CICFDecimalParameter(1033));

    CICFCommand copy(original);
    EXPECT_EQ(copy, original);
    static_cast<CICFDecimalParameter&>(*copy.getParameterList().front()) = 1031;
    EXPECT_NE(copy, original);
    copy = original;
    EXPECT_EQ(copy, original);
}

} // namespace
