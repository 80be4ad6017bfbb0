// Arithmetic on 32-bit measures. A damaged document can hold any value, so
// sums, differences and products wrap around in 32 bits instead of
// overflowing.
#pragma once

#include <cstdint>

inline int32_t wrapTo32(int64_t value)
{
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(value)));
}

inline int32_t wrappingAdd(int32_t a, int64_t b)
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(static_cast<uint64_t>(b)));
}

inline int32_t wrappingSubtract(int32_t a, int32_t b)
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}
