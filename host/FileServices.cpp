// IOCreate and IOOpen: host files named by a plain path.
#include "host/DiskFile.h"
#include "host/FailureInjection.h"

#include <fcntl.h>
#include <new>
#include <optional>

namespace trxhost {
namespace {

std::optional<DiskFile::Mode> creationMode(uint32_t access)
{
    switch (access) {
    case IOACCESS_READWRITE:
        return DiskFile::Mode{O_RDWR | O_CREAT | O_TRUNC, false};
    case IOACCESS_WRITE:
        return DiskFile::Mode{O_WRONLY | O_CREAT | O_TRUNC, false};
    default:
        return std::nullopt;
    }
}

// Opening never empties a file; only creating does.
std::optional<DiskFile::Mode> openingMode(uint32_t access)
{
    switch (access) {
    case IOACCESS_READ:
    case IOACCESS_CHECK:
        return DiskFile::Mode{O_RDONLY, false};
    case IOACCESS_WRITE:
        return DiskFile::Mode{O_WRONLY, false};
    case IOACCESS_READWRITE:
        return DiskFile::Mode{O_RDWR, false};
    case IOACCESS_DELETE:
        return DiskFile::Mode{O_RDONLY, true};
    default:
        return std::nullopt;
    }
}

TRXERR openPath(const char* service, HIOFILE* hFile, uint32_t specType, const void* spec,
                std::optional<DiskFile::Mode> mode)
{
    TRXERR code = TRXERR_OK;
    if (hFile)
        *hFile = nullptr;
    if (injectedFailure(service, 0, 0, &code))
        return code;
    if (!hFile || !spec || specType != IOTYPE_PATH || !mode)
        return TRXERR_BADPARAM;
    try {
        std::unique_ptr<DiskFile> file;
        code = DiskFile::open(static_cast<const char*>(spec), *mode, &file);
        if (code == TRXERR_OK)
            *hFile = publishFile(std::move(file));
        return code;
    } catch (const std::bad_alloc&) {
        return kFileFailure;
    }
}

} // namespace
} // namespace trxhost

TRX_API TRXERR IOCreate(HIOFILE* hFile, uint32_t specType, const void* spec, uint32_t access)
{
    return trxhost::openPath("IOCreate", hFile, specType, spec, trxhost::creationMode(access));
}

TRX_API TRXERR IOOpen(HIOFILE* hFile, uint32_t specType, const void* spec, uint32_t access)
{
    return trxhost::openPath("IOOpen", hFile, specType, spec, trxhost::openingMode(access));
}
