// The filter's dynamic symbol table holds exactly the names a host and the
// graphic converters look up, and nothing else.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

namespace {

std::set<std::string> definedDynamicSymbols(const std::string& library)
{
    const std::string command = "nm -D --defined-only --format=posix '" + library + "'";
    std::set<std::string> names;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return names;
    char line[512];
    while (std::fgets(line, sizeof line, pipe)) {
        std::string name(line);
        name = name.substr(0, name.find(' '));
        names.insert(name.substr(0, name.find('@')));
    }
    pclose(pipe);
    return names;
}

TEST(ExportedSymbols, AreExactlyTheIntendedNames)
{
    const std::set<std::string> expected = {
        "VwGetInfo",   "VwGetRtns",      "VwAllocProc",     "VwFreeProc",      "VwSetUser", "VwLocalUp",
        "VwLocalDown", "VwExportOpen",   "VwExportWrite",   "VwExportClose",   "SODummy",   "VwGenOverlayId",
        "GenInit",     "g_QDExportOpen", "g_QDExportWrite", "g_QDExportClose",
    };
    EXPECT_EQ(definedDynamicSymbols(ICF_FILTER_PATH), expected);
}

} // namespace
