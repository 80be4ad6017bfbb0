// The scratch folder of an icfexport test, with helpers to write and read
// its files and to run the program in it.
#pragma once

#include "ProgramRun.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace icfexport_test {

namespace fs = std::filesystem;

inline const std::string kGoodListing = "character set 0x14B00000\ntext \"Hello\"\nparagraph end\ndocument end\n";

class IcfexportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "icfexport-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        scratch_ = pattern;
    }

    void TearDown() override { fs::remove_all(scratch_); }

    std::string path(const std::string& name) const { return (scratch_ / name).string(); }

    std::string write(const std::string& name, const std::string& text) const
    {
        fs::create_directories(fs::path(path(name)).parent_path());
        std::ofstream(path(name), std::ios::binary) << text;
        return path(name);
    }

    std::string read(const std::string& name) const
    {
        std::ostringstream text;
        text << std::ifstream(path(name), std::ios::binary).rdbuf();
        return text.str();
    }

    ProgramRun run(const std::vector<std::string>& arguments, const std::string& program = ICFEXPORT_PATH) const
    {
        return runProgram(program, arguments, scratch_.string());
    }

    // Every file under the scratch directory, relative to it.
    std::set<std::string> files() const
    {
        std::set<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(scratch_))
            if (entry.is_regular_file())
                names.insert(fs::relative(entry.path(), scratch_).string());
        return names;
    }

    fs::path scratch_;
};

} // namespace icfexport_test
