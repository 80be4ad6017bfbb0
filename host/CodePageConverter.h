// One code page as the C library's iconv knows it, converting one character
// or code at a time. Used to build lookup tables, never to map text directly.
#pragma once

#include <cstdint>
#include <iconv.h>
#include <optional>

namespace trxhost {

class CodePageConverter {
public:
    // `name` is an iconv encoding name, such as "CP1252".
    explicit CodePageConverter(const char* name);
    ~CodePageConverter();
    CodePageConverter(const CodePageConverter&) = delete;
    CodePageConverter& operator=(const CodePageConverter&) = delete;

    // False when the library does not know the code page.
    bool isOpen() const;

    // The character that a code stands for: a single byte below 0x100, else a
    // double-byte code with its lead byte high. Empty when the code is not one
    // character of the page or the character lies outside the 16-bit range.
    std::optional<uint16_t> decode(uint16_t code) const;
    // The code of a character in the same form, when the page holds it exactly.
    std::optional<uint16_t> encode(uint16_t character) const;

private:
    iconv_t decoder_;
    iconv_t encoder_;
};

} // namespace trxhost
