// Temporary files in the current folder, named "./QT", six digits of a
// process-wide counter and ".TMP", and the copy of an embedded object into
// one of them.
#include "services/OwnedResources.h"

#include <cstring>
#include <ctime>

using services::OwnedDescriptor;
using services::OwnedHostFile;
using services::TemporaryFileGuard;

namespace {

// 0 until first used; then it only grows.
uint32_t g_tempFileCounter = 0;
uint32_t g_subdisplayCallback = 0;

constexpr char kTemporaryNamePattern[] = "./QT000000.TMP";
constexpr size_t kTemporaryNameLength = sizeof kTemporaryNamePattern - 1;
constexpr size_t kCounterDigitsOffset = 4;
constexpr size_t kCounterDigits = 6;
constexpr uint32_t kCounterModulus = 1000000;

// Names taken by other files are skipped by counting on; a folder where no
// name can be created must not keep the caller forever.
constexpr uint32_t kMaxNameAttempts = 100000;

// The name buffer that the copy of an embedded object fills.
constexpr uint32_t kCopyNameBufferSize = 255;
constexpr uint32_t kCopyBlockSize = 256;

// The codes of cutGraphicToDisk beyond those of the name step.
constexpr int kSourceNotOpened = 1;
constexpr int kCopyFailed = 2;
constexpr int kTemporaryNotOpened = -1;

} // namespace

void initTempFileCounter(void)
{
    const time_t now = time(nullptr);
    struct tm local {};
    localtime_r(&now, &local);
    g_tempFileCounter = (static_cast<uint32_t>(local.tm_hour) << 16) | (static_cast<uint32_t>(local.tm_min) << 8) |
                        static_cast<uint32_t>(local.tm_sec);
}

uint32_t getTempFileCounter(void)
{
    return g_tempFileCounter;
}

void setTempFileCounter(uint32_t counter)
{
    g_tempFileCounter = counter;
}

uint32_t incrementTempFileCounter(void)
{
    return ++g_tempFileCounter;
}

int isTempFileCounterInitialized(void)
{
    return g_tempFileCounter != 0;
}

void getTempFileCounterString(char* buffer)
{
    if (!isTempFileCounterInitialized())
        initTempFileCounter();
    if (!buffer)
        return;
    uint32_t value = g_tempFileCounter % kCounterModulus;
    for (size_t i = kCounterDigits; i-- > 0; value /= 10)
        buffer[i] = static_cast<char>('0' + value % 10);
}

// The counter is not advanced after a success: the next call tries the same
// digits first and counts on only when that name is taken.
int createTemporaryFile(uint32_t bufferSize, char* name)
{
    if (!name)
        return C2I_FAILED;
    char candidate[sizeof kTemporaryNamePattern];
    std::memcpy(candidate, kTemporaryNamePattern, sizeof candidate);
    bool created = false;
    for (uint32_t attempt = 0; attempt < kMaxNameAttempts && !created; ++attempt) {
        getTempFileCounterString(candidate + kCounterDigitsOffset);
        OwnedDescriptor file(ifsOpen(candidate, IFS_MODE_EXCLUSIVE));
        if (!file.isOpen()) {
            incrementTempFileCounter();
            continue;
        }
        if (file.close() != 0) {
            ifsUnlink(candidate);
            return C2I_FAILED;
        }
        created = true;
    }
    if (!created)
        return C2I_FAILED;
    if (bufferSize <= kTemporaryNameLength) {
        ifsUnlink(candidate);
        return C2I_FAILED;
    }
    std::memcpy(name, candidate, sizeof candidate);
    return C2I_OK;
}

int g_genTempFilename(uint32_t bufferSize, char* name)
{
    return createTemporaryFile(bufferSize, name);
}

// Copies the object through the host's read routine until the end of the
// object; a read error or a failed write removes the copy again.
int cutGraphicToDisk(const char* source, char* temporaryName)
{
    OwnedHostFile input(c2iGrafxIfsOpen(source, IFS_MODE_READ, 0));
    if (!input.isOpen())
        return kSourceNotOpened;
    const int named = g_genTempFilename(kCopyNameBufferSize, temporaryName);
    if (named != C2I_OK)
        return named;
    TemporaryFileGuard copy(temporaryName);
    OwnedDescriptor output(ifsOpen(temporaryName, IFS_MODE_WRITE));
    if (!output.isOpen())
        return kTemporaryNotOpened;
    char block[kCopyBlockSize];
    TRXERR code = TRXERR_OK;
    for (;;) {
        uint32_t count = 0;
        code = input.get()->rtns.read(input.get(), block, sizeof block, &count);
        if (code != TRXERR_OK || count == 0)
            break;
        if (ifsWrite(output.get(), block, count) != static_cast<int32_t>(count))
            return kCopyFailed;
    }
    if ((code != TRXERR_OK && code != TRXERR_EOF) || output.close() != 0)
        return kCopyFailed;
    copy.keep();
    return C2I_OK;
}

int g_setSubdisplayCallback(uint32_t value)
{
    g_subdisplayCallback = value;
    return 0;
}
