// A host session with a loaded filter: one export record from VwAllocProc,
// given the user values once, on which exports run one after another. The
// record goes back to the filter with VwFreeProc at the end.
#pragma once

#include "driver/FilterLibrary.h"

#include <string>

namespace icfdriver {

class FilterSession {
public:
    // Throws FilterError when the filter gives no record.
    FilterSession(const FilterRoutines& routines, uintptr_t user1, uintptr_t user2);
    ~FilterSession();
    FilterSession(const FilterSession&) = delete;
    FilterSession& operator=(const FilterSession&) = delete;

    // Runs one export into the file at `outputPath`: open, write, close.
    // Returns the first host code that is not TRXERR_OK, or TRXERR_OK.
    TRXERR exportDocument(HEXPORT hExport, const std::string& outputPath);

private:
    const FilterRoutines& routines_;
    SExportProc* record_;
};

} // namespace icfdriver
