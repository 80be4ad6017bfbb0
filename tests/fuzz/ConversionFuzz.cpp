// libFuzzer target: turns the bytes into a host document (see FuzzDocument.h)
// and runs one whole export of it through the filter's entry points, the
// output going to /dev/null. Any host code is an answer; the sanitizers and
// libFuzzer catch crashes, leaks, hangs and bad memory accesses. The export
// runs in a folder of its own, emptied after each input: pictures cut out of
// the document land in the current folder as the output's companions. The
// current folder is the scratch folder only while an input runs, so that
// libFuzzer's relative corpus paths keep their meaning; a crash artifact is
// written from inside it, hence an absolute -artifact_prefix.
#include "fuzz/FuzzDocument.h"
#include "icf/filter.h"
#include "trxhost/Export.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <fcntl.h>
#include <unistd.h>

extern "C" {
TRXERR VwExportOpen(uint32_t specType, const void* spec, uintptr_t kept, HEXPORT hExport, uintptr_t, uintptr_t,
                    SExportProc* record);
TRXERR VwExportWrite(uintptr_t, SExportProc* record);
TRXERR VwExportClose(uintptr_t, SExportProc* record);
}

namespace {

std::filesystem::path g_scratch;
int g_home = -1; // the folder the target was started in

void removeScratch()
{
    std::error_code ignored;
    std::filesystem::remove_all(g_scratch, ignored);
}

void emptyScratch()
{
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(g_scratch, ignored))
        std::filesystem::remove_all(entry.path(), ignored);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "conversion_fuzz-XXXXXX").string();
    g_home = open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (g_home < 0 || !mkdtemp(pattern.data()))
        std::abort();
    g_scratch = pattern;
    std::atexit(removeScratch);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (chdir(g_scratch.c_str()) != 0)
        std::abort();
    {
        const auto document = fuzzdoc::decodeDocument(data, size);
        trxhost::Export hostExport(*document);
        SExportProc record = {};
        if (VwExportOpen(IOTYPE_PATH, "/dev/null", 0, hostExport.handle(), 0, 0, &record) == TRXERR_OK) {
            VwExportWrite(0, &record);
            VwExportClose(0, &record);
        }
    }
    emptyScratch();
    if (fchdir(g_home) != 0)
        std::abort();
    return 0;
}
