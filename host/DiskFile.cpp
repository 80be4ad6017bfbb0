#include "host/DiskFile.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace trxhost {
namespace {

constexpr int kNoDescriptor = -1;

TRXERR errorOfOpen(int error)
{
    return error == ENOENT || error == ENOTDIR ? TRXERR_NOFILE : kFileFailure;
}

int whenceOf(uint16_t origin)
{
    switch (origin) {
    case IOSEEK_START:
        return SEEK_SET;
    case IOSEEK_END:
        return SEEK_END;
    default:
        return SEEK_CUR;
    }
}

// Positions and sizes travel as 32-bit values; a larger one cannot be told.
bool fitsInWord(off_t value)
{
    return value >= 0 && static_cast<uint64_t>(value) <= std::numeric_limits<uint32_t>::max();
}

} // namespace

TRXERR DiskFile::open(const std::string& path, Mode mode, std::unique_ptr<DiskFile>* file)
{
    const int descriptor = ::open(path.c_str(), mode.flags | O_CLOEXEC, 0664);
    if (descriptor < 0)
        return errorOfOpen(errno);
    // Only files and devices hold bytes; a directory opens but cannot be read.
    struct stat status;
    if (fstat(descriptor, &status) != 0 || S_ISDIR(status.st_mode)) {
        ::close(descriptor);
        return kFileFailure;
    }
    file->reset(new DiskFile(descriptor, path, mode.removeOnClose));
    return TRXERR_OK;
}

DiskFile::DiskFile(int descriptor, std::string path, bool removeOnClose)
    : descriptor_(descriptor), path_(std::move(path)), removeOnClose_(removeOnClose)
{
}

DiskFile::~DiskFile()
{
    close();
}

TRXERR DiskFile::close()
{
    if (descriptor_ == kNoDescriptor)
        return TRXERR_OK;
    TRXERR code = ::close(descriptor_) == 0 ? TRXERR_OK : kFileFailure;
    descriptor_ = kNoDescriptor;
    if (removeOnClose_ && unlink(path_.c_str()) != 0)
        code = kFileFailure;
    return code;
}

TRXERR DiskFile::read(void* buffer, uint32_t size, uint32_t* bytesRead)
{
    auto* bytes = static_cast<char*>(buffer);
    while (*bytesRead < size) {
        const ssize_t count = ::read(descriptor_, bytes + *bytesRead, size - *bytesRead);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return kFileFailure;
        if (count == 0)
            return *bytesRead == 0 && size > 0 ? TRXERR_EOF : TRXERR_OK;
        *bytesRead += static_cast<uint32_t>(count);
    }
    return TRXERR_OK;
}

TRXERR DiskFile::write(const void* buffer, uint32_t size, uint32_t* bytesWritten)
{
    const auto* bytes = static_cast<const char*>(buffer);
    while (*bytesWritten < size) {
        const ssize_t count = ::write(descriptor_, bytes + *bytesWritten, size - *bytesWritten);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return kFileFailure;
        *bytesWritten += static_cast<uint32_t>(count);
    }
    return TRXERR_OK;
}

TRXERR DiskFile::seek(uint16_t origin, int32_t offset)
{
    return lseek(descriptor_, offset, whenceOf(origin)) < 0 ? kFileFailure : TRXERR_OK;
}

TRXERR DiskFile::tell(uint32_t* position)
{
    const off_t current = lseek(descriptor_, 0, SEEK_CUR);
    if (!fitsInWord(current))
        return kFileFailure;
    *position = static_cast<uint32_t>(current);
    return TRXERR_OK;
}

TRXERR DiskFile::size(uint32_t* size)
{
    struct stat status;
    if (fstat(descriptor_, &status) != 0 || !fitsInWord(status.st_size))
        return kFileFailure;
    *size = static_cast<uint32_t>(status.st_size);
    return TRXERR_OK;
}

} // namespace trxhost
