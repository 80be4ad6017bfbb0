// The byte stream interface through which the writer's output leaves.
#pragma once

#include <cstdint>

enum EbrStreamOffset : int32_t { kStreamFromStart = 0, kStreamFromCurrent = 1, kStreamFromEnd = 2 };

class IbrStream {
public:
    virtual ~IbrStream() = default;
    virtual unsigned read(unsigned size, void* buffer, unsigned* count) = 0;
    virtual unsigned write(unsigned size, const void* buffer, unsigned* count) = 0;
    virtual unsigned setCurrentPosition(unsigned long offset, EbrStreamOffset origin) = 0;
    virtual unsigned long getCurrentPosition() = 0;
};
