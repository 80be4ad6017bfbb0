// The golden cases of cases/ (see README.md): each input listing NAME.lst is
// converted by the icfexport program, as a user runs it, and the ICF must
// equal byte for byte the ICF that NAME.icf.txt shows as a listing. The
// graphic converters are the test side libraries.
#include "tools/IcfDifference.h"
#include "tools/ProgramRun.h"

#include "icfdump/IcfAssembler.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kCases = fs::path(ICF_SOURCE_DIR) / "tests" / "e2e" / "cases";
constexpr std::string_view kInputExtension = ".lst";
constexpr std::string_view kExpectedExtension = ".icf.txt";

bool endsWith(const std::string& text, std::string_view end)
{
    return text.size() > end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The name of every case that has an input or an expected listing, so that
// a file without its partner shows up as a failing case.
std::vector<std::string> caseNames()
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(kCases)) {
        const std::string file = entry.path().filename().string();
        for (const std::string_view extension : {kInputExtension, kExpectedExtension})
            if (endsWith(file, extension))
                names.insert(file.substr(0, file.size() - extension.size()));
    }
    return {names.begin(), names.end()};
}

std::string readFile(const fs::path& path)
{
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

class GoldenCaseTest : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "icf-e2e-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        scratch_ = pattern;
    }

    void TearDown() override { fs::remove_all(scratch_); }

    fs::path scratch_;
};

TEST_P(GoldenCaseTest, ConvertsToTheExpectedIcf)
{
    const fs::path input = kCases / (GetParam() + std::string(kInputExtension));
    const fs::path expectedListing = kCases / (GetParam() + std::string(kExpectedExtension));
    ASSERT_TRUE(fs::exists(input)) << "the case has no input listing " << input;
    ASSERT_TRUE(fs::exists(expectedListing)) << "the case has no expected listing " << expectedListing;

    std::string expected;
    try {
        expected = icfdump::assembleIcf(readFile(expectedListing));
    } catch (const icfdump::AssemblyError& error) {
        FAIL() << expectedListing.string() << ": " << error.what();
    }

    // Pictures go to the test side libraries: the converters by the path
    // given, the recognition library by its bare name.
    const std::string sideLibraries = ICF_SIDECONVERTER_DIR;
    const char* libraryPath = std::getenv("LD_LIBRARY_PATH");
    const std::string searchPath =
        "LD_LIBRARY_PATH=" + sideLibraries + (libraryPath && *libraryPath ? ":" + std::string(libraryPath) : "");
    const fs::path output = scratch_ / "output.icf";
    const ProgramRun run =
        runProgram(ICFEXPORT_PATH, {input.string(), "-o", output.string(), "--converter-path", sideLibraries},
                   scratch_.string(), {searchPath});
    ASSERT_EQ(run.status, 0) << "icfexport failed:\n" << run.err;
    EXPECT_ICF_EQ(expected, readFile(output));
}

// Test names allow letters, digits and underscores only.
std::string testName(const ::testing::TestParamInfo<std::string>& info)
{
    std::string name = info.param;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenCaseTest, ::testing::ValuesIn(caseNames()), testName);

} // namespace
