#include "filter/RecordingHostFile.h"

#include <algorithm>
#include <cstring>

namespace {

RecordingHostFile& self(HIOFILE h)
{
    return *reinterpret_cast<RecordingHostFile*>(h);
}

TRXERR recordClose(HIOFILE h)
{
    ++self(h).closes;
    return self(h).closeCode;
}

TRXERR recordRead(HIOFILE h, void* buffer, uint32_t size, uint32_t* bytesRead)
{
    RecordingHostFile& file = self(h);
    const uint32_t available = static_cast<uint32_t>(file.contents.size()) - file.position;
    const uint32_t count = std::min(size, available);
    std::memcpy(buffer, file.contents.data() + file.position, count);
    file.position += count;
    *bytesRead = count;
    return count == 0 ? TRXERR_EOF : TRXERR_OK;
}

TRXERR recordWrite(HIOFILE h, const void* buffer, uint32_t size, uint32_t* bytesWritten)
{
    RecordingHostFile& file = self(h);
    const uint32_t taken = file.shortWrites && size > 0 ? size - 1 : size;
    file.writeSizes.push_back(size);
    file.contents.append(static_cast<const char*>(buffer), taken);
    file.position = static_cast<uint32_t>(file.contents.size());
    *bytesWritten = taken;
    return TRXERR_OK;
}

TRXERR recordSeek(HIOFILE h, uint16_t origin, int32_t offset)
{
    RecordingHostFile& file = self(h);
    const int64_t base = origin == IOSEEK_START ? 0 : origin == IOSEEK_END ? file.contents.size() : file.position;
    file.position = static_cast<uint32_t>(base + offset);
    return TRXERR_OK;
}

TRXERR recordTell(HIOFILE h, uint32_t* position)
{
    *position = self(h).position;
    return TRXERR_OK;
}

TRXERR recordInfo(HIOFILE h, uint32_t item, void* value)
{
    if (item != IOINFO_SIZE)
        return TRXERR_BADPARAM;
    *static_cast<uint32_t*>(value) = static_cast<uint32_t>(self(h).contents.size());
    return TRXERR_OK;
}

} // namespace

RecordingHostFile::RecordingHostFile()
    : header{{recordClose, recordRead, recordWrite, recordSeek, recordTell, recordInfo}}
{
}
