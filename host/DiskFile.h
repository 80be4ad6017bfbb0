// A host file on disk, served through a POSIX file descriptor.
#pragma once

#include "host/OpenFile.h"

#include <string>

namespace trxhost {

class DiskFile : public OpenFile {
public:
    // How to open: open(2) flags, and whether closing the file removes it.
    struct Mode {
        int flags;
        bool removeOnClose;
    };

    // Opens a regular file (or a device, never a directory). Answers
    // TRXERR_NOFILE when the path does not exist, kFileFailure for other refusals.
    static TRXERR open(const std::string& path, Mode mode, std::unique_ptr<DiskFile>* file);

    ~DiskFile() override;
    DiskFile(const DiskFile&) = delete;
    DiskFile& operator=(const DiskFile&) = delete;

    TRXERR close() override;
    TRXERR read(void* buffer, uint32_t size, uint32_t* bytesRead) override;
    TRXERR write(const void* buffer, uint32_t size, uint32_t* bytesWritten) override;
    TRXERR seek(uint16_t origin, int32_t offset) override;
    TRXERR tell(uint32_t* position) override;
    TRXERR size(uint32_t* size) override;

private:
    DiskFile(int descriptor, std::string path, bool removeOnClose);

    int descriptor_;
    std::string path_;
    bool removeOnClose_;
};

} // namespace trxhost
