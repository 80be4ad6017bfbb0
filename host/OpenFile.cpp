#include "host/OpenFile.h"

#include <type_traits>

namespace trxhost {
namespace {

// The record a handle points at: the routine table first, as the filter reads
// it, then the file the routines act on.
struct FileRecord {
    IOFILE io;
    OpenFile* file; // owned; destroyed by the close routine
};
static_assert(std::is_standard_layout_v<FileRecord>, "a handle must point at the routine table");

OpenFile* fileOf(HIOFILE handle)
{
    return reinterpret_cast<FileRecord*>(handle)->file;
}

TRXERR closeRoutine(HIOFILE handle)
{
    if (!handle)
        return TRXERR_BADPARAM;
    std::unique_ptr<FileRecord> record(reinterpret_cast<FileRecord*>(handle));
    std::unique_ptr<OpenFile> file(record->file);
    return file->close();
}

TRXERR readRoutine(HIOFILE handle, void* buffer, uint32_t size, uint32_t* bytesRead)
{
    if (!handle || !bytesRead || (!buffer && size > 0))
        return TRXERR_BADPARAM;
    *bytesRead = 0;
    return fileOf(handle)->read(buffer, size, bytesRead);
}

TRXERR writeRoutine(HIOFILE handle, const void* buffer, uint32_t size, uint32_t* bytesWritten)
{
    if (!handle || !bytesWritten || (!buffer && size > 0))
        return TRXERR_BADPARAM;
    *bytesWritten = 0;
    return fileOf(handle)->write(buffer, size, bytesWritten);
}

TRXERR seekRoutine(HIOFILE handle, uint16_t origin, int32_t offset)
{
    if (!handle || origin > IOSEEK_END)
        return TRXERR_BADPARAM;
    return fileOf(handle)->seek(origin, offset);
}

TRXERR tellRoutine(HIOFILE handle, uint32_t* position)
{
    if (!handle || !position)
        return TRXERR_BADPARAM;
    return fileOf(handle)->tell(position);
}

TRXERR getInfoRoutine(HIOFILE handle, uint32_t item, void* value)
{
    if (!handle || !value || item != IOINFO_SIZE)
        return TRXERR_BADPARAM;
    return fileOf(handle)->size(static_cast<uint32_t*>(value));
}

} // namespace

HIOFILE publishFile(std::unique_ptr<OpenFile> file)
{
    auto* record = new FileRecord{{closeRoutine, readRoutine, writeRoutine, seekRoutine, tellRoutine, getInfoRoutine},
                                  file.release()};
    return &record->io;
}

} // namespace trxhost
