// The output stream over a host file. Small writes collect in a 512-byte
// buffer so that the many short command and text writes reach the host in
// blocks; longer writes go straight to the file.
#pragma once

#include "core/Stream.h"
#include "trx/platform.h"

#include <cstddef>

class CQDExportStream : public IbrStream {
public:
    static constexpr std::size_t kBufferSize = 512;

    CQDExportStream() = default;
    explicit CQDExportStream(HIOFILE file) : m_file(file) {}
    // Flushes what is left, without telling whether the host took it (call
    // flush() first to know); the host file stays open.
    ~CQDExportStream() override;
    CQDExportStream(const CQDExportStream&) = delete;
    CQDExportStream& operator=(const CQDExportStream&) = delete;

    unsigned read(unsigned size, void* buffer, unsigned* count) override;
    unsigned write(unsigned size, const void* buffer, unsigned* count) override;
    unsigned setCurrentPosition(unsigned long offset, EbrStreamOffset origin) override;
    unsigned long getCurrentPosition() override;

    // Writes the buffered bytes to the host file; the buffer is empty
    // afterwards. Returns whether the host took every byte.
    bool flush();

private:
    // Whether the host took every byte.
    bool writeToFile(const void* data, uint32_t size);
    void append(const void* data, unsigned size);

    unsigned char m_buffer[kBufferSize] = {};
    uint32_t m_held = 0;
    HIOFILE m_file = nullptr;
};
