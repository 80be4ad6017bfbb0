// The filter's dynamic symbol table holds exactly the names a host and the
// graphic converters look up, and nothing else.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <sstream>
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
    std::set<std::string> expected = {"VwGetInfo",     "VwGetRtns",      "VwAllocProc",     "VwFreeProc",
                                      "VwSetUser",     "VwLocalUp",      "VwLocalDown",     "VwExportOpen",
                                      "VwExportWrite", "VwExportClose",  "SODummy",         "VwGenOverlayId",
                                      "GenInit",       "g_QDExportOpen", "g_QDExportWrite", "g_QDExportClose"};
    // The file services and side-converter loading, which graphic converters call back.
    std::istringstream fileServices(
        "setExecutionPath g_setExecutionPath getExecutionPath isExecutionPathEmpty c2iGrafxSetExportHandle "
        "c2iGrafxOpenGraphicData c2iGrafxIfsOpen c2iGrafxIfsRead c2iGrafxIfsWrite c2iGrafxIfsClose "
        "c2iGrafxIfsLSeek c2iGrafxIfsUnlink c2iGrafxIfsGetSize c2iGrafxIfsCheckExist c2iGrafxIfsRename "
        "ifsOpen setPermissionRights ifsRead ifsWrite ifsClose ifsLSeek ifsUnlink ifsGetSize ifsCheckExist "
        "ifsRename initTempFileCounter getTempFileCounter setTempFileCounter incrementTempFileCounter "
        "isTempFileCounterInitialized getTempFileCounterString createTemporaryFile g_genTempFilename "
        "cutGraphicToDisk g_setSubdisplayCallback asciiHexToLong kpchFmtprobe libLoadUsingUserSuffix libLoad "
        "libGetFunction libClose g_fmtprobeFile g_callFromSideConverter ");
    for (std::string name; fileServices >> name;)
        expected.insert(name);
    EXPECT_EQ(definedDynamicSymbols(ICF_FILTER_PATH), expected);
}

} // namespace
