// A read-only host file over bytes held in memory, such as an embedded object.
#include "host/HostFile.h"
#include "host/OpenFile.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>

namespace trxhost {
namespace {

class MemoryFile : public OpenFile {
public:
    explicit MemoryFile(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}

    TRXERR close() override { return TRXERR_OK; }

    TRXERR read(void* buffer, uint32_t size, uint32_t* bytesRead) override
    {
        if (size == 0)
            return TRXERR_OK;
        if (position_ >= bytes_.size())
            return TRXERR_EOF;
        const size_t count = std::min<size_t>(size, bytes_.size() - position_);
        std::memcpy(buffer, bytes_.data() + position_, count);
        position_ += count;
        *bytesRead = static_cast<uint32_t>(count);
        return TRXERR_OK;
    }

    TRXERR write(const void*, uint32_t, uint32_t*) override { return kFileFailure; }

    // Like a disk file, the position may pass the end; reads there meet the end.
    TRXERR seek(uint16_t origin, int32_t offset) override
    {
        const int64_t base = origin == IOSEEK_START ? 0
                             : origin == IOSEEK_END ? static_cast<int64_t>(bytes_.size())
                                                    : static_cast<int64_t>(position_);
        const int64_t target = base + offset;
        if (target < 0 || target > kMaxPosition)
            return kFileFailure;
        position_ = static_cast<size_t>(target);
        return TRXERR_OK;
    }

    TRXERR tell(uint32_t* position) override
    {
        *position = static_cast<uint32_t>(position_);
        return TRXERR_OK;
    }

    TRXERR size(uint32_t* size) override
    {
        if (bytes_.size() > kMaxPosition)
            return kFileFailure;
        *size = static_cast<uint32_t>(bytes_.size());
        return TRXERR_OK;
    }

private:
    // Positions and sizes travel as 32-bit values.
    static constexpr int64_t kMaxPosition = UINT32_MAX;

    std::vector<uint8_t> bytes_;
    size_t position_ = 0;
};

} // namespace

HIOFILE openMemoryFile(std::vector<uint8_t> bytes)
{
    return publishFile(std::make_unique<MemoryFile>(std::move(bytes)));
}

} // namespace trxhost
