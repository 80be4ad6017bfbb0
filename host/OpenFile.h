// An open host file: the object behind an HIOFILE handle. The handle points at
// a record that starts with the routine table; the routines forward to the
// open file, and the close routine destroys record and file.
#pragma once

#include "trx/platform.h"

#include <cstdint>
#include <memory>

namespace trxhost {

// Answered by the file routines when the system refuses an operation.
constexpr TRXERR kFileFailure = -1;

class OpenFile {
public:
    virtual ~OpenFile() = default;

    // Finishes the file; the object is destroyed right after.
    virtual TRXERR close() = 0;
    // Reads up to size bytes: TRXERR_EOF with 0 bytes at end of file.
    virtual TRXERR read(void* buffer, uint32_t size, uint32_t* bytesRead) = 0;
    // Writes size bytes; *bytesWritten tells how many arrived, also on failure.
    virtual TRXERR write(const void* buffer, uint32_t size, uint32_t* bytesWritten) = 0;
    virtual TRXERR seek(uint16_t origin, int32_t offset) = 0;
    virtual TRXERR tell(uint32_t* position) = 0;
    virtual TRXERR size(uint32_t* size) = 0;
};

// Gives the file a host file record and returns its handle; the file belongs
// to the record from then on.
HIOFILE publishFile(std::unique_ptr<OpenFile> file);

} // namespace trxhost
