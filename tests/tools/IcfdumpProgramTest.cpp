// Runs of the icfdump program: its command line, listing and exit statuses.
#include "IcfdumpTestSupport.h"
#include "ProgramRun.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

class IcfdumpProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "icfdump-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        scratch_ = pattern;
    }

    void TearDown() override { fs::remove_all(scratch_); }

    std::string write(const std::string& name, const std::string& bytes) const
    {
        std::string path = (scratch_ / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    ProgramRun run(const std::vector<std::string>& arguments) const
    {
        return runProgram(ICFDUMP_PATH, arguments, scratch_.string());
    }

    fs::path scratch_;
};

TEST_F(IcfdumpProgramTest, HelpAndVersion)
{
    const ProgramRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    for (const char* text : {"--decode", "--offsets", "--version", "Exit status", "  3  "})
        EXPECT_NE(help.out.find(text), std::string::npos) << text;

    const ProgramRun version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("icfdump ", 0), 0u) << version.out;
}

TEST_F(IcfdumpProgramTest, WrongCommandLinesAreUsageErrors)
{
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{}, {"--bogus", "x"}, {"a", "b"}, {""}}) {
        const ProgramRun result = run(arguments);
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find("icfdump --help"), std::string::npos) << result.err;
    }
}

TEST_F(IcfdumpProgramTest, UnreadableInput)
{
    const ProgramRun missing = run({(scratch_ / "missing.icf").string()});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("missing.icf: cannot read: No such file"), std::string::npos) << missing.err;
    EXPECT_EQ(run({scratch_.string()}).status, 2);
}

TEST_F(IcfdumpProgramTest, ListsWellFormedInput)
{
    const std::string path = write("ok.icf", icf("Caf<XCS819|e9|>_<HNL>"));
    const ProgramRun raw = run({path});
    EXPECT_EQ(raw.status, 0);
    EXPECT_EQ(raw.out, "\"Caf\"\nXCS 819 0xe9\n\"_\"\nHNL\n");
    EXPECT_EQ(raw.err, "");
    const ProgramRun decoded = run({"-d", "-o", path});
    EXPECT_EQ(decoded.out, "       0  \"Café\"\n      17  HNL\n");
    // Standard input is empty here.
    EXPECT_EQ(run({"-"}).status, 0);
}

TEST_F(IcfdumpProgramTest, SyntaxFaultEndsTheListingWithItsOffset)
{
    const ProgramRun result = run({"--", write("-bad.icf", icf("ab<BBT>>cd"))});
    EXPECT_EQ(result.status, 3);
    EXPECT_EQ(result.out, "\"ab\"\nBBT\n");
    EXPECT_NE(result.err.find("-bad.icf: offset 8: command terminator 0x1E outside any command"), std::string::npos)
        << result.err;
}

TEST_F(IcfdumpProgramTest, HtmlWritesThePageEvenOfADamagedStream)
{
    const std::string page = (scratch_ / "page.html").string();
    const ProgramRun whole = run({"--html", write("ok.icf", icf("<BBT>Bold<HNL>")), "-o", page});
    EXPECT_EQ(whole.status, 0);
    EXPECT_EQ(whole.out, "");
    std::ifstream written(page);
    const std::string html((std::istreambuf_iterator<char>(written)), std::istreambuf_iterator<char>());
    EXPECT_NE(html.find("font-weight:bold;\">Bold</span>"), std::string::npos) << html;

    const ProgramRun damaged = run({"--html", write("bad.icf", icf("ab<BBT"))});
    EXPECT_EQ(damaged.status, 3);
    EXPECT_NE(damaged.out.find("class=\"banner\""), std::string::npos);
    EXPECT_EQ(run({"--html", "-d", "x.icf"}).status, 1);
    EXPECT_EQ(run({"--html", "x.icf", "-o"}).status, 1);
}

} // namespace
