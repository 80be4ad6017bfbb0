// Host files as the graphic writers use them: a handle that is closed when
// its holder goes, block reads that end even when the host never reports
// an end, and the removal of a file by name.
#pragma once

#include "trx/platform.h"

#include <cstdint>
#include <string>

class CHostFile {
public:
    // No picture of a sound document comes near this; the bound ends the
    // reading of a host file that keeps answering with bytes.
    static constexpr uint32_t kMaxBytes = 1u << 30;
    // Bytes read at a time.
    static constexpr uint32_t kBlockSize = 2048;

    explicit CHostFile(HIOFILE file) : m_file(file) {}
    ~CHostFile();
    CHostFile(const CHostFile&) = delete;
    CHostFile& operator=(const CHostFile&) = delete;

    // Reads the file from its position on, in blocks, and hands each block to
    // `sink` (bytes, count), which returns false to stop. Reading stops at
    // the first read that fails or delivers nothing, and after kMaxBytes.
    template <class Sink>
    void readBlocks(Sink&& sink)
    {
        unsigned char block[kBlockSize];
        for (uint32_t total = 0; total < kMaxBytes; total += kBlockSize) {
            uint32_t count = 0;
            const TRXERR code = m_file->rtns.read(m_file, block, kBlockSize, &count);
            if (count > kBlockSize)
                count = 0;
            if (count > 0 && !sink(block, count))
                return;
            if (code != TRXERR_OK || count == 0)
                return;
        }
    }
    // Appends what `source` holds from its position on; stops at the first
    // write that fails.
    void copyFrom(CHostFile& source);

private:
    HIOFILE m_file;
};

// Removes the plain file `name` through the host (opened for deletion, then
// closed); false when the host cannot open it.
bool removeHostFile(const std::string& name);
