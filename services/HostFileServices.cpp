// File routines over host files, with one calling style for files named by a
// path and for embedded objects of the host document, which are named
// "c2i_546_SRC_" followed by their two numbers in hexadecimal.
#include "services/OwnedResources.h"

#include <cstring>
#include <initializer_list>

using services::isOpenHostFile;
using services::OwnedHostFile;

namespace {

// The export whose document holds the embedded objects.
HEXPORT g_graphicExportHandle = 0;

// The record size the host expects in an embedded-object specification:
// six 32-bit words, whatever the size of the structure here.
constexpr uint32_t kEmbeddedSpecSize = 24;

// Each number of an embedded-object name has eight hexadecimal digits.
constexpr size_t kEmbeddedNumberDigits = 8;

// Reads the two numbers of an embedded-object name; false for any other
// name. A name cut short gives the numbers of the digits it has.
bool parseEmbeddedName(const char* name, uint32_t* first, uint32_t* second)
{
    constexpr size_t prefixLength = sizeof C2I_EMBEDDED_NAME_PREFIX - 1;
    if (std::strncmp(name, C2I_EMBEDDED_NAME_PREFIX, prefixLength) != 0)
        return false;
    const char* digits = name + prefixLength;
    char field[kEmbeddedNumberDigits + 1] = {};
    for (uint32_t* number : {first, second}) {
        const size_t length = strnlen(digits, kEmbeddedNumberDigits);
        std::memcpy(field, digits, length);
        field[length] = '\0';
        *number = asciiHexToLong(field);
        digits += length;
    }
    return true;
}

TRXERR openPathFile(HIOFILE* handle, const char* name, int mode)
{
    switch (mode) {
    case IFS_MODE_READ:
        return IOOpen(handle, IOTYPE_PATH, name, IOACCESS_READWRITE);
    case IFS_MODE_WRITE:
        return IOCreate(handle, IOTYPE_PATH, name, IOACCESS_READWRITE);
    case IFS_MODE_APPEND: {
        const TRXERR code = IOOpen(handle, IOTYPE_PATH, name, IOACCESS_READWRITE);
        if (code != TRXERR_OK)
            return code;
        OwnedHostFile file(*handle);
        const TRXERR seek = file.get()->rtns.seek(file.get(), IOSEEK_END, 0);
        if (seek == TRXERR_OK)
            file.release();
        return seek;
    }
    default: {
        const TRXERR code = IOOpen(handle, IOTYPE_PATH, name, IOACCESS_READWRITE);
        return code == TRXERR_NOFILE ? IOCreate(handle, IOTYPE_PATH, name, IOACCESS_READWRITE) : code;
    }
    }
}

} // namespace

void c2iGrafxSetExportHandle(HEXPORT hExport)
{
    g_graphicExportHandle = hExport;
}

int c2iGrafxOpenGraphicData(HIOFILE* handle, uint32_t first, uint32_t second)
{
    HDOC document = 0;
    if (!handle || DARetrieveDocHandle(g_graphicExportHandle, &document) != TRXERR_OK)
        return C2I_FAILED;
    DAEMBEDDEDSPEC spec{kEmbeddedSpecSize, document, first, second, {0, 0}};
    if (DAOpenDocument(&document, IOTYPE_EMBEDDED, &spec, 0) != TRXERR_OK)
        return C2I_FAILED;
    HIOFILE opened = nullptr;
    if (DAGetHIOFile(document, &opened) != TRXERR_OK || !isOpenHostFile(opened))
        return C2I_FAILED;
    OwnedHostFile file(opened);
    if (file.get()->rtns.seek(file.get(), IOSEEK_START, 0) != TRXERR_OK)
        return C2I_FAILED;
    *handle = file.release();
    return C2I_OK;
}

HIOFILE c2iGrafxIfsOpen(const char* name, int mode, int /*unused*/)
{
    if (!name)
        return C2I_INVALID_HANDLE;
    HIOFILE handle = nullptr;
    uint32_t first = 0;
    uint32_t second = 0;
    const bool opened = parseEmbeddedName(name, &first, &second)
                            ? c2iGrafxOpenGraphicData(&handle, first, second) == C2I_OK
                            : openPathFile(&handle, name, mode) == TRXERR_OK;
    return opened && isOpenHostFile(handle) ? handle : C2I_INVALID_HANDLE;
}

int32_t c2iGrafxIfsRead(HIOFILE handle, void* buffer, uint32_t size)
{
    uint32_t count = 0;
    if (!isOpenHostFile(handle) || !buffer || handle->rtns.read(handle, buffer, size, &count) != TRXERR_OK)
        return 0;
    return static_cast<int32_t>(count);
}

int32_t c2iGrafxIfsWrite(HIOFILE handle, const void* buffer, uint32_t size)
{
    uint32_t count = 0;
    if (!isOpenHostFile(handle) || !buffer || handle->rtns.write(handle, buffer, size, &count) != TRXERR_OK)
        return 0;
    return static_cast<int32_t>(count);
}

int c2iGrafxIfsClose(HIOFILE handle)
{
    if (isOpenHostFile(handle))
        handle->rtns.close(handle);
    return 0;
}

int32_t c2iGrafxIfsLSeek(HIOFILE handle, int32_t offset, int origin)
{
    if (!isOpenHostFile(handle))
        return 0;
    const uint16_t hostOrigin = origin == IOSEEK_START || origin == IOSEEK_END ? origin : IOSEEK_CURRENT;
    uint32_t position = 0;
    if (handle->rtns.seek(handle, hostOrigin, offset) != TRXERR_OK || handle->rtns.tell(handle, &position) != TRXERR_OK)
        return 0;
    return static_cast<int32_t>(position);
}

// The host removes a file opened for deletion when it is closed.
int c2iGrafxIfsUnlink(const char* name)
{
    HIOFILE handle = nullptr;
    if (name && IOOpen(&handle, IOTYPE_PATH, name, IOACCESS_DELETE) == TRXERR_OK)
        c2iGrafxIfsClose(handle);
    return 0;
}

int32_t c2iGrafxIfsGetSize(const char* name)
{
    OwnedHostFile file(c2iGrafxIfsOpen(name, IFS_MODE_READ, 0));
    uint32_t size = 0;
    if (!file.isOpen() || file.get()->rtns.getInfo(file.get(), IOINFO_SIZE, &size) != TRXERR_OK)
        return 0;
    return static_cast<int32_t>(size);
}

int c2iGrafxIfsCheckExist(const char* name)
{
    const OwnedHostFile file(c2iGrafxIfsOpen(name, IFS_MODE_READ, 0));
    return file.isOpen() ? 0 : -1;
}

int c2iGrafxIfsRename(const char* /*oldName*/, const char* /*newName*/)
{
    return 0;
}

uint32_t asciiHexToLong(const char* text)
{
    uint32_t value = 0;
    for (const char* c = text; c && *c; ++c) {
        value *= 16;
        if (*c >= '0' && *c <= '9')
            value += *c - '0';
        else if (*c >= 'a' && *c <= 'f')
            value += *c - 'a' + 10;
        else if (*c >= 'A' && *c <= 'F')
            value += *c - 'A' + 10;
    }
    return value;
}
