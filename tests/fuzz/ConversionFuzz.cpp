// libFuzzer target: turns the bytes into a host document (see FuzzDocument.h)
// and runs one whole export of it through the filter's entry points, the
// output going to /dev/null. Any host code is an answer; the sanitizers and
// libFuzzer catch crashes, leaks, hangs and bad memory accesses.
#include "fuzz/FuzzDocument.h"
#include "icf/filter.h"
#include "trxhost/Export.h"

#include <cstddef>
#include <cstdint>

extern "C" {
TRXERR VwExportOpen(uint32_t specType, const void* spec, uintptr_t kept, HEXPORT hExport, uintptr_t, uintptr_t,
                    SExportProc* record);
TRXERR VwExportWrite(uintptr_t, SExportProc* record);
TRXERR VwExportClose(uintptr_t, SExportProc* record);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto document = fuzzdoc::decodeDocument(data, size);
    trxhost::Export hostExport(*document);
    SExportProc record = {};
    if (VwExportOpen(IOTYPE_PATH, "/dev/null", 0, hostExport.handle(), 0, 0, &record) != TRXERR_OK)
        return 0;
    VwExportWrite(0, &record);
    VwExportClose(0, &record);
    return 0;
}
