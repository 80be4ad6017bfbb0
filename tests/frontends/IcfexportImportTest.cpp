// icfexport reading word-processing files: the listing it builds of a
// committed file, the export of that file, and the failures a damaged file
// and a wrong command line give.
#include "tools/ProgramRun.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const fs::path kCases = fs::path(ICF_SOURCE_DIR) / "tests" / "frontends";

std::string readFile(const fs::path& path)
{
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

// The lines that are not comments, so that an expected listing may say
// where it comes from.
std::string withoutComments(const std::string& listing)
{
    std::istringstream lines(listing);
    std::string kept;
    for (std::string line; std::getline(lines, line);)
        if (line.empty() || line[0] != '#')
            kept += line + "\n";
    return kept;
}

class IcfexportImportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "icfexport-import-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        scratch_ = pattern;
    }

    void TearDown() override { fs::remove_all(scratch_); }

    ProgramRun run(const std::vector<std::string>& arguments) const
    {
        return runProgram(ICFEXPORT_PATH, arguments, scratch_.string());
    }

    fs::path scratch_;
};

TEST_F(IcfexportImportTest, AbiWordLetterBecomesTheExpectedListingAndExports)
{
    const fs::path listing = scratch_ / "letter.lst";
    const ProgramRun toListing = run({"--to-listing", listing.string(), (kCases / "letter.abw").string()});
    ASSERT_EQ(toListing.status, 0) << toListing.err;
    EXPECT_EQ(toListing.err, "");
    EXPECT_EQ(withoutComments(readFile(listing)), withoutComments(readFile(kCases / "letter.expected.lst")));

    const fs::path icf = scratch_ / "letter.icf";
    const ProgramRun exported = run({(kCases / "letter.abw").string(), "-o", icf.string()});
    EXPECT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(exported.err, "");
    EXPECT_NE(readFile(icf).find("A Short Letter"), std::string::npos);
}

TEST_F(IcfexportImportTest, DamagedFileIsReportedAndWritesNothing)
{
    const std::string letter = readFile(kCases / "letter.abw");
    const fs::path damaged = scratch_ / "damaged.abw";
    std::ofstream(damaged, std::ios::binary) << letter.substr(0, letter.size() / 2);
    for (const std::vector<std::string>& outputFlags :
         {std::vector<std::string>{"-o", (scratch_ / "damaged.icf").string()},
          std::vector<std::string>{"--to-listing", (scratch_ / "damaged.lst").string()}}) {
        std::vector<std::string> arguments = outputFlags;
        arguments.push_back(damaged.string());
        const ProgramRun result = run(arguments);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.err, "icfexport: " + damaged.string() + ": AbiWord file: the document cannot be parsed\n");
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(scratch_), fs::directory_iterator()), 1);
}

TEST_F(IcfexportImportTest, FileThatIsNeitherSaysSo)
{
    const fs::path other = scratch_ / "other.bin";
    std::ofstream(other, std::ios::binary) << "\x01\x02 not a document\n";
    const ProgramRun result = run({"--to-listing", "-", other.string()});
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find(other.string() + ":1:1: "), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("nor does any importer recognise the file"), std::string::npos) << result.err;
}

TEST_F(IcfexportImportTest, ToListingTakesOneInputAndNoOtherOutput)
{
    const std::string letter = (kCases / "letter.abw").string();
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--to-listing", "a.lst", letter, letter}, "--to-listing takes exactly one input"},
        {{"--to-listing", "a.lst", "-o", "a.icf", letter}, "--to-listing cannot be used with -o or -d"},
        {{"--to-listing", letter, letter}, "would overwrite an input"},
    };
    for (const auto& [arguments, reason] : cases) {
        const ProgramRun result = run(arguments);
        EXPECT_EQ(result.status, 1) << result.err;
        EXPECT_NE(result.err.find(reason), std::string::npos) << result.err;
    }
}

} // namespace
