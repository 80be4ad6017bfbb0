#include "driver/FilterSession.h"

namespace icfdriver {

FilterSession::FilterSession(const FilterRoutines& routines, uintptr_t user1, uintptr_t user2)
    : routines_(routines), record_(routines.allocProc())
{
    if (!record_)
        throw FilterError("the filter gave no export record (VwAllocProc)");
    routines_.setUser(user1, user2, record_);
}

FilterSession::~FilterSession()
{
    routines_.freeProc(record_);
}

TRXERR FilterSession::exportDocument(HEXPORT hExport, const std::string& outputPath)
{
    // A failed open has already released what it made, as a host expects.
    const TRXERR opened = routines_.exportOpen(IOTYPE_PATH, outputPath.c_str(), 0, hExport, 0, 0, record_);
    if (opened != TRXERR_OK)
        return opened;
    const TRXERR written = routines_.exportWrite(0, record_);
    const TRXERR closed = routines_.exportClose(0, record_);
    return written != TRXERR_OK ? written : closed;
}

} // namespace icfdriver
