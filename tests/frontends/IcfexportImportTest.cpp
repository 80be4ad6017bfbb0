// icfexport reading word-processing files: the listings it builds of the
// committed files, their export, and the failures a damaged file and a wrong
// command line give.
#include "tools/ProgramRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

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

// A committed file, its expected listing, a text its export must hold, and
// a damaged copy of it: its first bytes, cut where the importer can no
// longer read it (none when the length is 0).
struct ImportCase {
    const char* file;
    const char* expectedListing;
    const char* exportedText;
    size_t damagedLength = 0;
    const char* damagedReason = "";
};

void PrintTo(const ImportCase& importCase, std::ostream* out)
{
    *out << importCase.file;
}

class ImportCaseTest : public IcfexportImportTest, public ::testing::WithParamInterface<ImportCase> {};

TEST_P(ImportCaseTest, FileBecomesTheExpectedListingAndExports)
{
    const fs::path input = kCases / GetParam().file;
    const fs::path listing = scratch_ / "imported.lst";
    const ProgramRun toListing = run({"--to-listing", listing.string(), input.string()});
    ASSERT_EQ(toListing.status, 0) << toListing.err;
    EXPECT_EQ(toListing.err, "");
    EXPECT_EQ(withoutComments(readFile(listing)), withoutComments(readFile(kCases / GetParam().expectedListing)));

    const fs::path icf = scratch_ / "imported.icf";
    const ProgramRun exported = run({input.string(), "-o", icf.string()});
    EXPECT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(exported.err, "");
    EXPECT_NE(readFile(icf).find(GetParam().exportedText), std::string::npos);
}

TEST_P(ImportCaseTest, DamagedCopyIsReportedAndWritesNothing)
{
    if (GetParam().damagedLength == 0)
        GTEST_SKIP() << "no damaged copy";
    const std::string whole = readFile(kCases / GetParam().file);
    const fs::path damaged = scratch_ / (std::string("damaged-") + GetParam().file);
    std::ofstream(damaged, std::ios::binary) << whole.substr(0, GetParam().damagedLength);
    for (const std::vector<std::string>& outputFlags :
         {std::vector<std::string>{"-o", (scratch_ / "damaged.icf").string()},
          std::vector<std::string>{"--to-listing", (scratch_ / "damaged.lst").string()}}) {
        std::vector<std::string> arguments = outputFlags;
        arguments.push_back(damaged.string());
        const ProgramRun result = run(arguments);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.err, "icfexport: " + damaged.string() + ": " + GetParam().damagedReason + "\n");
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(scratch_), fs::directory_iterator()), 1);
}

INSTANTIATE_TEST_SUITE_P(Formats, ImportCaseTest,
                         ::testing::Values(
                             // Cut inside the second paragraph's XML.
                             ImportCase{"letter.abw", "letter_abw.expected.lst", "A Short Letter", 500,
                                        "AbiWord file: the document cannot be parsed"},
                             // Cut after the title's bold-on code and two characters.
                             ImportCase{"letter.wp5", "letter_wp5.expected.lst", "A Short Letter", 21,
                                        "WordPerfect file: the file is cut short or cannot be read"},
                             ImportCase{"sections.abw", "sections_abw.expected.lst", "Right column."},
                             ImportCase{"paragraphs.abw", "paragraphs_abw.expected.lst", "Running head"},
                             ImportCase{"table.abw", "table_abw.expected.lst", "Apples"},
                             ImportCase{"lists_links_fields.abw", "lists_links_fields_abw.expected.lst", "(b)"},
                             ImportCase{"frames.abw", "frames_abw.expected.lst", "In the "}),
                         [](const ::testing::TestParamInfo<ImportCase>& info) {
                             std::string name = info.param.file;
                             std::replace(name.begin(), name.end(), '.', '_');
                             return name;
                         });

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
