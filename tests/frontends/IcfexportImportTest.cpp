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

// A committed file, its expected listing and a text its export must hold.
struct ImportCase {
    const char* file;
    const char* expectedListing;
    const char* exportedText;
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
    const ProgramRun fromStandardInput =
        runProgram(ICFEXPORT_PATH, {"--to-listing", "-", "-"}, scratch_.string(), {}, input.string());
    EXPECT_EQ(fromStandardInput.status, 0) << fromStandardInput.err;
    EXPECT_EQ(withoutComments(fromStandardInput.out), withoutComments(readFile(listing)));

    const fs::path icf = scratch_ / "imported.icf";
    const ProgramRun exported = run({input.string(), "-o", icf.string()});
    EXPECT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(exported.err, "");
    EXPECT_NE(readFile(icf).find(GetParam().exportedText), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Formats, ImportCaseTest,
                         ::testing::Values(ImportCase{"letter.abw", "letter_abw.expected.lst", "A Short Letter"},
                                           ImportCase{"letter.wp5", "letter_wp5.expected.lst", "A Short Letter"},
                                           ImportCase{"sections.abw", "sections_abw.expected.lst", "Right column."},
                                           ImportCase{"paragraphs.abw", "paragraphs_abw.expected.lst", "Running head"},
                                           ImportCase{"table.abw", "table_abw.expected.lst", "Apples"},
                                           ImportCase{"lists_links_fields.abw", "lists_links_fields_abw.expected.lst",
                                                      "(b)"},
                                           ImportCase{"frames.abw", "frames_abw.expected.lst", "In the "},
                                           ImportCase{"letter.wri", "letter_wri.expected.lst", "A Short Letter"},
                                           ImportCase{"letter.mcw", "letter_mcw.expected.lst", "A Short Letter"}),
                         [](const ::testing::TestParamInfo<ImportCase>& info) {
                             std::string name = info.param.file;
                             std::replace(name.begin(), name.end(), '.', '_');
                             return name;
                         });

// The bundled report holds every kind of content the importers carry; it
// exports without a warning of anything left unconverted.
TEST_F(IcfexportImportTest, BundledReportExportsWhole)
{
    const fs::path icf = scratch_ / "report.icf";
    const ProgramRun exported =
        run({(fs::path(ICF_SOURCE_DIR) / "samples" / "report.abw").string(), "-o", icf.string()});
    EXPECT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(exported.err, "");
    EXPECT_NE(readFile(icf).find("Draft for review"), std::string::npos);
}

// A damaged copy of a committed file (its first bytes, cut where the
// importer can no longer read it) is reported with the importer's reason,
// and neither output is written.
TEST_F(IcfexportImportTest, DamagedCopyIsReportedAndWritesNothing)
{
    struct DamagedCase {
        const char* file;
        size_t length;
        const char* reason;
    };
    const DamagedCase cases[] = {
        // Cut inside the second paragraph's XML.
        {"letter.abw", 500, "AbiWord file: the document cannot be parsed"},
        // Cut after the title's bold-on code and two characters.
        {"letter.wp5", 21, "WordPerfect file: the file is cut short or cannot be read"},
        // Cut after the text, before its character and paragraph properties.
        {"letter.wri", 200, "Works file: the document cannot be parsed"},
        // Cut inside the title's characters.
        {"letter.mcw", 270, "classic Mac word processor file: the document cannot be parsed"},
    };
    for (const DamagedCase& damagedCase : cases) {
        const fs::path damaged = scratch_ / (std::string("damaged-") + damagedCase.file);
        std::ofstream(damaged, std::ios::binary) << readFile(kCases / damagedCase.file).substr(0, damagedCase.length);
        for (const std::vector<std::string>& outputFlags :
             {std::vector<std::string>{"-o", (scratch_ / "damaged.icf").string()},
              std::vector<std::string>{"--to-listing", (scratch_ / "damaged.lst").string()}}) {
            std::vector<std::string> arguments = outputFlags;
            arguments.push_back(damaged.string());
            const ProgramRun result = run(arguments);
            EXPECT_EQ(result.status, 2);
            EXPECT_EQ(result.err, "icfexport: " + damaged.string() + ": " + damagedCase.reason + "\n");
        }
        EXPECT_TRUE(fs::remove(damaged));
        EXPECT_TRUE(fs::is_empty(scratch_)) << damagedCase.file;
    }
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
