// Hexadecimal digits, read in either case and written in lower case.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace icfdump {

// 0 to 15, or -1 for a character that is not a hexadecimal digit.
inline int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// True for a non-empty text of hexadecimal digits only.
inline bool isHexDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return hexValue(c) >= 0; });
}

// The lower-case digit of the low four bits of `value`.
inline char hexDigit(unsigned value)
{
    return "0123456789abcdef"[value & 0xF];
}

// The two lower-case digits of a byte.
inline std::string twoHexDigits(unsigned char byte)
{
    return {hexDigit(byte >> 4), hexDigit(byte)};
}

} // namespace icfdump
