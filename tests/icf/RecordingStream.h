// An output stream that keeps every byte it takes, for byte-exact checks of
// ICF output. It can be told to take at most a number of bytes per write.
#pragma once

#include "core/Stream.h"

#include <algorithm>
#include <limits>
#include <string>

class CRecordingStream : public IbrStream {
public:
    std::string bytes;
    unsigned writes = 0;
    unsigned acceptedPerWrite = std::numeric_limits<unsigned>::max();

    unsigned read(unsigned, void*, unsigned* count) override
    {
        if (count)
            *count = 0;
        return 0;
    }

    unsigned write(unsigned size, const void* buffer, unsigned* count) override
    {
        ++writes;
        const unsigned accepted = std::min(size, acceptedPerWrite);
        bytes.append(static_cast<const char*>(buffer), accepted);
        if (count)
            *count = accepted;
        return 0;
    }

    unsigned setCurrentPosition(unsigned long, EbrStreamOffset) override { return 0; }
    unsigned long getCurrentPosition() override { return bytes.size(); }
};
