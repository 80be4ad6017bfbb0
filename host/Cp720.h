// Code page 720 (DOS Arabic), which the C library's iconv does not provide.
#pragma once

#include <cstdint>

namespace trxhost {

// Codes 0x00 to 0x7F are ASCII.
constexpr uint16_t kCp720FirstUpperCode = 0x80;
constexpr int kCp720UpperCodeCount = 128;

// The Unicode characters of codes 0x80 to 0xFF, in code order.
extern const uint16_t kCp720UpperHalf[kCp720UpperCodeCount];

} // namespace trxhost
