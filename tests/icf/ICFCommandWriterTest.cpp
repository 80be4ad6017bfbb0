#include "icf/ICFCommandWriter.h"
#include "icf/ICFParameter.h"
#include "icf/ICFWriter.h"

#include "ICFBytes.h"
#include "ICFOutputFixture.h"

#include "model/CharacterSets.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class ICFCommandWriterTest : public ICFOutputFixture {
protected:
    // Every test leaves the class-wide count as it found it.
    void TearDown() override { EXPECT_TRUE(CICFCommandWriter::isEnabled()); }
};

TEST_F(ICFCommandWriterTest, WritesNameParametersAndTerminator)
{
    CICFCommandWriter command;
    command.initialize(&writer, "SPF");
    EXPECT_FALSE(command.isDone());
    command.writeParameter(CICFDecimalParameter(12));
    command.writeParameter(CICFStringParameter(CCharacterString("Arial", kCharSetCp1252)));
    command.done();
    EXPECT_TRUE(command.isDone());
    command.writeParameter(CICFDecimalParameter(1)); // no command open: dropped
    command.done();
    command.writeNoParamCmd("HNL");
    EXPECT_EQ(output(), CI "SPF" "12" PE "Arial" PE CE CI "HNL" CE);
}

TEST_F(ICFCommandWriterTest, RestartAndInitializeTerminateTheOpenCommandFirst)
{
    CICFCommandWriter command;
    command.initialize(&writer, "MBC");
    command.writeParameter(CICFDecimalParameter(1));
    command.restart("MBC");
    command.writeParameter(CICFDecimalParameter(0));
    command.initialize(&writer, "ITO");
    command.done();
    EXPECT_EQ(output(), CI "MBC" "1" PE CE CI "MBC" "0" PE CE CI "ITO" CE);
}

TEST_F(ICFCommandWriterTest, WithoutAWriterEverythingIsDropped)
{
    CICFCommandWriter command;
    command.initialize(nullptr, "BBT");
    command.writeParameter(CICFDecimalParameter(1));
    command.restart("EBT");
    EXPECT_EQ(command.nestICFCommandWriter(), nullptr);
    command.done();
    EXPECT_EQ(stream.writes, 0u);
}

TEST_F(ICFCommandWriterTest, NestedCommandsStandInsideTheOuterRecord)
{
    CICFCommandWriter styleDefinition;
    styleDefinition.initialize(&writer, "SYT");
    styleDefinition.writeParameter(CICFStringParameter(CCharacterString("Body", kCharSetCp1252)));
    styleDefinition.writeParameter(CICFDecimalParameter(3));

    CICFCommandWriter* nested = styleDefinition.nestICFCommandWriter();
    ASSERT_NE(nested, nullptr);
    nested->restart("SYP");
    nested->writeParameter(CICFDecimalParameter(0));
    nested->done();
    nested->writeNoParamCmd("BBT");
    nested->writeNoParamCmd("SEP");
    styleDefinition.releaseNestedICFCommandWriter();
    styleDefinition.done();

    EXPECT_EQ(output(), CI "SYT" "Body" PE "3" PE CI "SYP" "0" PE CE CI "BBT" CE CI "SEP" CE CE);
}

TEST_F(ICFCommandWriterTest, NestingAgainFinishesTheNestedCommand)
{
    CICFCommandWriter outer;
    EXPECT_EQ(outer.nestICFCommandWriter(), nullptr);
    outer.initialize(&writer, "BCM");
    CICFCommandWriter* nested = outer.nestICFCommandWriter();
    nested->restart("CDS");
    EXPECT_EQ(outer.nestICFCommandWriter(), nested);
    nested->restart("BRO");
    outer.done(); // finishes the nested command, then its own
    EXPECT_EQ(output(), CI "BCM" CI "CDS" CE CI "BRO" CE CE);
}

TEST_F(ICFCommandWriterTest, DestroyingAnOpenWriterTerminatesItsCommandsAndNeverThrows)
{
    {
        CICFCommandWriter outer;
        outer.initialize(&writer, "SYT");
        outer.nestICFCommandWriter()->restart("SYP");
    }
    EXPECT_EQ(output(), CI "SYT" CI "SYP" CE CE);

    auto command = std::make_unique<CICFCommandWriter>();
    command->initialize(&writer, "BBT");
    stream.acceptedPerWrite = 0;
    EXPECT_NO_THROW(command.reset());
}

TEST_F(ICFCommandWriterTest, DisabledWritersSwallowTheCommandAndTheTextBeforeDone)
{
    writer.writeByte('a');
    CICFCommandWriter::disable();
    CICFCommandWriter command;
    command.initialize(&writer, "XRF");
    command.writeParameter(CICFDecimalParameter(1));
    writer.writeByte('b');
    command.done();
    EXPECT_TRUE(writer.isOutputEnabled());
    command.writeNoParamCmd(&writer, "BBT");
    command.restart("MBC");
    command.done();
    writer.writeByte('c');
    CICFCommandWriter::enable();

    command.writeNoParamCmd("HNL");
    EXPECT_EQ(output(), "ac" CI "HNL" CE);
}

TEST_F(ICFCommandWriterTest, DisableCountIsSharedByAllWritersAndNeverNegative)
{
    CICFCommandWriter::disable();
    CICFCommandWriter::disable();
    CICFCommandWriter::enable();
    CICFCommandWriter other;
    other.writeNoParamCmd(&writer, "BBT");
    CICFCommandWriter::enable();
    CICFCommandWriter::enable();
    CICFCommandWriter::disable();
    EXPECT_FALSE(CICFCommandWriter::isEnabled());
    CICFCommandWriter::enable();
    EXPECT_EQ(output(), "");
}

TEST_F(ICFCommandWriterTest, OnlyTheSuppressionAWriterMadeIsLiftedByItsDone)
{
    CICFCommandWriter::disable();
    CICFCommandWriter command;
    command.initialize(&writer, "XRF");
    CICFCommandWriter::enable();
    command.done();
    EXPECT_TRUE(writer.isOutputEnabled());

    command.initialize(&writer, "BBT");
    writer.disableOutput();
    CICFCommandWriter::disable();
    command.done();
    CICFCommandWriter::enable();
    EXPECT_FALSE(writer.isOutputEnabled());
    writer.enableOutput();
}

} // namespace
