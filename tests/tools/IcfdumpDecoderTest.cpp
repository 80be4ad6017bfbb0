// Decoding ICF into listings: the shapes of commands and parameters, the
// syntax faults with their offsets, and damaged input.
#include "IcfdumpTestSupport.h"

#include "icfdump/IcfComparison.h"

#include <gtest/gtest.h>

#include <random>

using namespace icfdump;

namespace {

Fault faultOf(const std::string& bytes)
{
    const IcfStream stream = decodeIcf(bytes);
    EXPECT_TRUE(stream.fault.has_value());
    return stream.fault.value_or(Fault{FaultKind::TooDeep, SIZE_MAX, ""});
}

TEST(IcfdumpDecoderTest, CommandsShowNumbersInTheFormsTheyAreWrittenIn)
{
    EXPECT_EQ(listing(icf("<DID7|1|00000000|4|><BBT>")), "DID 7 1 0x00000000 4\nBBT\n");
    // Known hexadecimal positions show as hexadecimal even when the digits look decimal.
    EXPECT_EQ(listing(icf("<HEX10|><XCS819|e9|>")), "HEX 0x10\nXCS 819 0xe9\n");
    // Elsewhere: decimal without leading zeros, padded lower-case hexadecimal, else a string.
    EXPECT_EQ(listing(icf("<SPF10|-5|0|0a|00ff|007|-0|FF|>")), "SPF 10 -5 0 0x0a 0x00ff \"007\" \"-0\" \"FF\"\n");
    // A row's border codes follow its first three parameters, one per cell.
    EXPECT_EQ(listing(icf("<BRO2|1|240|1111|0000|1|0|>")), "BRO 2 1 240 0x1111 0x0000 1 0\n");
}

TEST(IcfdumpDecoderTest, StringsAndEmptyParametersAreQuoted)
{
    EXPECT_EQ(listing(icf("<SBOHeading 1|12|><SSI|||>")), "SBO \"Heading 1\" 12\nSSI \"\" \"\" \"\"\n");
    EXPECT_EQ(listing(icf("<XRF01|0|say \"a\\b\"|>")), "XRF 0x01 0 \"say \\\"a\\\\b\\\"\"\n");
}

TEST(IcfdumpDecoderTest, TextRunsBetweenCommandsAreQuotedByteForByte)
{
    EXPECT_EQ(listing("Hello " + icf("<BBT>") + "w\x01\xE9\t" + icf("<EBT>") + "!"),
              "\"Hello \"\nBBT\n\"w\\x01\\xe9\\t\"\nEBT\n\"!\"\n");
    EXPECT_EQ(listing(""), "");
}

TEST(IcfdumpDecoderTest, NestedCommandsAreIndentedUnderTheirCommand)
{
    // Commands after the last parameter: the command's body.
    EXPECT_EQ(listing(icf("<SYTNormal|0|<SYP0|><BBT><SEP>>x")), "SYT \"Normal\" 0\n"
                                                                "  SYP 0\n"
                                                                "  BBT\n"
                                                                "  SEP\n"
                                                                "\"x\"\n");
    // A parameter holding commands is shown as a numbered block.
    EXPECT_EQ(listing(icf("<FNI00|0|<SPS>a<EPS>|)|>")), "FNI 0x00 0 #3 \")\"\n"
                                                        "  #3:\n"
                                                        "    SPS\n"
                                                        "    \"a\"\n"
                                                        "    EPS\n");
    // The enclosed double-byte form holds its digits as its body.
    EXPECT_EQ(listing(icf("<FDT1|<MBC2|1|0|82a0>|0|>")), "FDT 1 #2 0\n"
                                                         "  #2:\n"
                                                         "    MBC 2 1 0\n"
                                                         "      \"82a0\"\n");
}

TEST(IcfdumpDecoderTest, OffsetsLeadEachLine)
{
    ListingOptions options;
    options.showOffsets = true;
    EXPECT_EQ(listing(icf("ab<SYTx|<SEP>>"), options), "       0  \"ab\"\n"
                                                       "       2  SYT \"x\"\n"
                                                       "       9    SEP\n");
}

TEST(IcfdumpDecoderTest, IntroducerWhereNoCommandMayStart)
{
    // In a command name.
    const std::string inName = icf("ab<BB<T>>");
    EXPECT_EQ(faultOf(inName).kind, FaultKind::NestedCommandNotAllowed);
    EXPECT_EQ(faultOf(inName).offset, 6u);
    EXPECT_EQ(listing(inName), "\"ab\"\n");
    // Inside a text escape, which holds only numbers.
    const Fault inEscape = faultOf(icf("<HEX0<BBT>|>"));
    EXPECT_EQ(inEscape.kind, FaultKind::NestedCommandNotAllowed);
    EXPECT_EQ(inEscape.offset, 6u);
    EXPECT_EQ(describeFault(inEscape), "offset 6: command introducer inside \"HEX\", which holds no commands");
}

TEST(IcfdumpDecoderTest, CommandNeverTerminated)
{
    // The innermost open command is named; the listing shows what was read.
    const std::string bytes = icf("<BBT>x<SYTa|<SYP0|>");
    const Fault fault = faultOf(bytes);
    EXPECT_EQ(fault.kind, FaultKind::Unterminated);
    EXPECT_EQ(fault.offset, 7u);
    EXPECT_EQ(describeFault(fault), "offset 7: command \"SYT\" is never terminated (the input ends at offset 22)");
    EXPECT_EQ(listing(bytes), "BBT\n\"x\"\nSYT \"a\"\n  SYP 0\n");
}

TEST(IcfdumpDecoderTest, StrayTerminators)
{
    EXPECT_EQ(faultOf(icf("ab>")).kind, FaultKind::StrayTerminator);
    EXPECT_EQ(faultOf(icf("ab>")).offset, 2u);
    const Fault parameterEnd = faultOf(icf("<BBT>|"));
    EXPECT_EQ(parameterEnd.kind, FaultKind::StrayTerminator);
    EXPECT_EQ(parameterEnd.offset, 6u);
}

TEST(IcfdumpDecoderTest, MalformedIntroducersNamesAndNesting)
{
    EXPECT_EQ(faultOf("a\x1B"
                      "b")
                  .kind,
              FaultKind::BrokenIntroducer);
    EXPECT_EQ(faultOf("a\x1B"
                      "b")
                  .offset,
              1u);
    EXPECT_EQ(faultOf(icf("<BB>")).kind, FaultKind::ShortName);
    EXPECT_EQ(faultOf(icf("<BB>")).offset, 4u);

    std::string deep;
    for (size_t i = 0; i <= kMaxNestingDepth; ++i)
        deep += icf("<AAA");
    EXPECT_EQ(faultOf(deep).kind, FaultKind::TooDeep);
    EXPECT_EQ(faultOf(deep).offset, kMaxNestingDepth * 5);
}

TEST(IcfdumpDecoderTest, TruncatedInputIsACommandNeverTerminated)
{
    for (const std::string& cut : {std::string("x\x1B"), icf("x<"), icf("x<BB"), icf("x<BBT1|2")}) {
        const Fault fault = faultOf(cut);
        EXPECT_EQ(fault.kind, FaultKind::Unterminated) << listing(cut);
        EXPECT_EQ(fault.offset, 1u) << listing(cut);
    }
}

// Input biased towards the syntax bytes, so that commands, nesting and every
// fault occur often.
std::string randomBytes(std::mt19937& random)
{
    static const char kAlphabet[] = "\x1B\x1D\x1E\x1F"
                                    "<<|>_0129aefAZ\x01\x80\xE9\xFF";
    std::uniform_int_distribution<size_t> length(0, 400);
    std::uniform_int_distribution<size_t> pick(0, sizeof kAlphabet - 2);
    std::uniform_int_distribution<int> anyByte(0, 255);
    std::bernoulli_distribution fromAlphabet(0.8);
    std::string bytes(length(random), '\0');
    for (char& byte : bytes)
        byte = fromAlphabet(random) ? kAlphabet[pick(random)] : static_cast<char>(anyByte(random));
    return bytes;
}

TEST(IcfdumpDecoderTest, RandomBytesAreListedWithoutCrashing)
{
    std::mt19937 random(20240611);
    ListingOptions everything;
    everything.decodeText = true;
    everything.showOffsets = true;
    std::string previous;
    for (int round = 0; round < 3000; ++round) {
        const std::string bytes = round % 3 ? randomBytes(random) : icf(randomBytes(random));
        const IcfStream stream = decodeIcf(bytes);
        EXPECT_LE(stream.fault ? stream.fault->offset : 0, bytes.size());
        listIcf(stream, ListingOptions{});
        listIcf(stream, everything);
        EXPECT_EQ(icfDifference(bytes, previous).empty(), bytes == previous);
        previous = bytes;
    }
}

} // namespace
