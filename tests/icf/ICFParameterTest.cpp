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
        output().clear();
        command.write(&writer);
        return output();
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

} // namespace
