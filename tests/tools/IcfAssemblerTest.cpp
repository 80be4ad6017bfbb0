// Assembling listings back into ICF: the round trip over every shape the
// listing shows, and the faults of listings written by hand.
#include "IcfdumpTestSupport.h"
#include "ProgramRun.h"

#include "icfdump/IcfAssembler.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

using icfdump::assembleIcf;
using icfdump::AssemblyError;

namespace {

std::string roundTrip(const std::string& bytes)
{
    return assembleIcf(listing(bytes));
}

TEST(IcfAssemblerTest, RepresentativeStreamsComeBackByteForByte)
{
    const std::string streams[] = {
        "",
        icf("<DID349|1|00000000|4|><FDT2|3|0|1|Arial|0|7|Times|0|>"),
        // Number forms: hexadecimal positions, padded hexadecimal, and digits that are strings.
        icf("<HEX10|><XCS819|e9|>_<SPF10|-5|0|0a|00ff|007|-0|FF|0x1|#2||>"),
        icf("<BRO2|1|240|1111|0000|1|0|>"),
        // Text with quotes, backslashes, control and high bytes, and 0x1D on its own.
        "say \"a\\b\"\t\r\n\x01\x7f\x80\xff\x1d " + icf("<SBOHeading 1|12|>"),
        // A body of commands, and an enclosed double-byte text as a body.
        icf("<SYTNormal|0|<SYP0|><BBT><SEP>>x<MBC2|1|0|82a0>"),
        // Parameters holding commands or several runs are blocks; a block may
        // hold commands with blocks and bodies of their own.
        icf("<FNI00|0|<SPS>a<EPS>|)|><FDT1|3|0|1|Caf<XCS819|e9|>_|0|>"),
        icf("<AAA<BBB<CCC1|>|<DDD>x|>y<EEE|>|z>"),
        // Names are three bytes of any value but the syntax bytes.
        icf("<A\x01\"|\"|><\xe9 \\>"),
    };
    for (const std::string& bytes : streams)
        EXPECT_EQ(roundTrip(bytes), bytes) << listing(bytes);
}

// Random well-formed streams: names, texts and parameters of any bytes but
// the syntax bytes, nested a few levels.
class StreamGenerator {
public:
    explicit StreamGenerator(unsigned seed) : random_(seed) {}

    std::string sequence(int depth)
    {
        std::string bytes;
        for (int count = below(4); count > 0; --count)
            bytes += depth < 4 && below(2) ? command(depth + 1) : text();
        return bytes;
    }

private:
    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }

    char plainByte()
    {
        char c;
        do
            c = static_cast<char>(below(256));
        while (c == '\x1b' || c == '\x1e' || c == '\x1f');
        return c;
    }

    std::string text()
    {
        static const char* const kLookAlikes[] = {"0", "12", "-3", "0a", "00ff", "007", "x y", "#1", "0x2"};
        if (below(3) == 0)
            return kLookAlikes[below(9)];
        std::string bytes;
        for (int count = 1 + below(6); count > 0; --count)
            bytes += plainByte();
        return bytes;
    }

    std::string name()
    {
        static const char* const kNames[] = {"DID", "XCS", "FNT", "BRO", "SYT"};
        if (below(2))
            return kNames[below(5)];
        std::string bytes;
        for (int i = 0; i < 3; ++i)
            bytes += plainByte();
        return bytes;
    }

    std::string command(int depth)
    {
        const std::string commandName = name();
        const std::string introducer = "\x1b\x1d" + commandName;
        if (commandName == "XCS" || commandName == "HEX" || commandName == "MBC") // these hold no commands
            return introducer + "819\x1f"
                                "e9\x1f\x1e";
        std::string bytes = introducer;
        for (int count = below(4); count > 0; --count)
            bytes += sequence(depth) + '\x1f';
        return bytes + sequence(depth) + '\x1e';
    }

    std::mt19937 random_;
};

TEST(IcfAssemblerTest, RandomWellFormedStreamsComeBackByteForByte)
{
    for (unsigned seed = 0; seed < 500; ++seed) {
        const std::string bytes = StreamGenerator(seed).sequence(0);
        ASSERT_FALSE(icfdump::decodeIcf(bytes).fault) << "seed " << seed;
        ASSERT_EQ(roundTrip(bytes), bytes) << "seed " << seed << "\n" << listing(bytes);
    }
}

TEST(IcfAssemblerTest, HandWrittenListingsMaySplitTextAndSkipBlankLines)
{
    EXPECT_EQ(assembleIcf("\"Hello, \"\n\n\"world\"   \r\nHNL\n"), "Hello, world" + icf("<HNL>"));
    // A block that holds one text is the same parameter as the text on the command's line.
    EXPECT_EQ(assembleIcf("SBO #1 12\n  #1:\n    \"Heading\"\n"), icf("<SBOHeading|12|>"));
}

// The line and message of the fault in `listing`.
std::pair<size_t, std::string> faultOf(const std::string& listing)
{
    try {
        assembleIcf(listing);
    } catch (const AssemblyError& error) {
        EXPECT_EQ(std::string(error.what()).rfind("line " + std::to_string(error.line()) + ": ", 0), 0u);
        return {error.line(), error.what()};
    }
    ADD_FAILURE() << "no fault in:\n" << listing;
    return {0, ""};
}

void expectFault(const std::string& listing, size_t line, const std::string& words)
{
    const auto [faultLine, message] = faultOf(listing);
    EXPECT_EQ(faultLine, line) << message;
    EXPECT_NE(message.find(words), std::string::npos) << message;
}

TEST(IcfAssemblerTest, MalformedTokensAreReportedWithTheirLine)
{
    expectFault("BBT\n\"open", 2, "not closed");
    expectFault("\"a\\q\"", 1, "unknown escape \\q");
    expectFault("\"\\x4\"", 1, "two hexadecimal digits");
    expectFault("\"Café\"", 1, "--decode");
    expectFault("\"a\tb\"", 1, "control character 0x09");
    expectFault("\"a\" b", 1, "after the quoted string");
    expectFault("BB", 1, "\"BB\" has 2");
    expectFault("B-T", 1, "not '-'");
    expectFault("FDT 1 Arial", 1, "parameter 2, Arial,");
    expectFault("XCS 819 0xZZ", 1, "parameter 2, 0xZZ,");
    expectFault("SBO \"a\"12", 1, "expected a space");
    // Syntax bytes would change the structure the listing shows.
    expectFault("\"a\\x1eb\"", 1, "syntax byte 0x1e");
    expectFault("A\\x1bB", 1, "syntax byte 0x1b");
}

TEST(IcfAssemblerTest, MisplacedLinesAndBlocksAreReportedWithTheirLine)
{
    expectFault("BBT\n   EBT", 2, "steps of 2");
    expectFault("\"a\"\n  BBT", 2, "at most 0 spaces");
    expectFault("SYT \"N\" 0\n  SYP 0\n      BBT", 3, "at most 4 spaces");
    expectFault("FNI 0x00 #3", 1, "parameter 2 is shown as #3");
    expectFault("FNI #1\nBBT", 1, "no \"#1:\" follows");
    expectFault("FNI #1 #2\n  #2:\n    BBT\n  #1:\n    EBT", 2, "expected #1:");
    expectFault("FNI #1\n  #1:\n    BBT\n  #1:\n    BBT", 4, "is not the block of a parameter");
    expectFault("#1:\n  BBT", 1, "is not the block of a parameter");
    // Faults only the assembled stream shows are reported at the line that makes them.
    expectFault("HEX #1\n  #1:\n    \"1\"\n    BBT", 4, "holds no commands");
}

TEST(IcfAssemblerTest, TheProgramAssemblesAListingFile)
{
    std::string scratch = (std::filesystem::temp_directory_path() / "icfdump-assemble-XXXXXX").string();
    ASSERT_NE(mkdtemp(scratch.data()), nullptr);
    const std::string good = scratch + "/good.txt";
    const std::string bad = scratch + "/bad.txt";
    std::ofstream(good) << "DID 349 1 0x00000000 4\n\"Hi\"\n";
    std::ofstream(bad) << "BBT\nEBT x\n";

    const ProgramRun assembled = runProgram(ICFDUMP_PATH, {"--assemble", good}, scratch);
    EXPECT_EQ(assembled.status, 0) << assembled.err;
    EXPECT_EQ(assembled.out, icf("<DID349|1|00000000|4|>Hi"));

    const ProgramRun malformed = runProgram(ICFDUMP_PATH, {"-a", bad}, scratch);
    EXPECT_EQ(malformed.status, 3);
    EXPECT_EQ(malformed.out, "");
    EXPECT_NE(malformed.err.find("bad.txt: line 2: "), std::string::npos) << malformed.err;

    EXPECT_EQ(runProgram(ICFDUMP_PATH, {"--assemble", "--decode", good}, scratch).status, 1);
    std::filesystem::remove_all(scratch);
}

} // namespace
