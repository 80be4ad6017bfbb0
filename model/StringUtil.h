// String helpers: decimal and hexadecimal renderings of numbers, and the
// cutting of 16-bit text into runs of one output character set each.
#pragma once

#include "core/CharacterMapping.h"
#include "model/CharacterString.h"

#include <cstddef>
#include <cstdint>
#include <list>
#include <string>

class CStringUtil {
public:
    // Room for the digits of any value in each conversion.
    static constexpr size_t kMaxDecimalDigits = 11;
    static constexpr size_t kMaxHexDigits = 2 * 255;
    // Writes the decimal digits of `value` read as a signed 32-bit number to
    // `digits`, which has room for kMaxDecimalDigits; returns their count.
    static size_t convertDecimalToAscii(unsigned long value, char* digits);
    // Writes the lowercase hexadecimal digits of `value` without leading
    // zeros, padded with "0" to 2 x minBytes digits, to `digits`, which has
    // room for kMaxHexDigits; longer results keep only their low-order
    // 2 x maxBytes digits (2 x minBytes when maxBytes is not the larger).
    // Returns the count of digits written.
    static size_t convertDecimalToHexAscii(unsigned long value, char* digits, unsigned char minBytes,
                                           unsigned char maxBytes);

    // Cuts a non-empty wide string into 8-bit runs, each in one set of the
    // string's output list, and appends them to `runs` in order. One host
    // map serves the whole string.
    static void mapWideString(const CCharacterString& wide, std::list<CCharacterString>& runs, bool withMultibyte);
    // From byte offset `position` of `wide`, collects the characters that
    // `map` puts in the same set as the first one into `run` (an 8-bit
    // string in that set); `position` is left at the first character of
    // another set, or at the end.
    static void mapRunOfOneCharSetToChrStr(CCharacterMap& map, const CCharacterString& wide, uint32_t& position,
                                           CCharacterString& run);

    // Appends a mapped code: one byte, or two (lead byte first) above 0xFF.
    // Inline: strings are mapped a character at a time.
    static void appendCode(std::string& bytes, uint16_t code)
    {
        if (codeSize(code) == 2)
            bytes.push_back(static_cast<char>(code >> kBitsPerByte));
        bytes.push_back(static_cast<char>(code & kLastSingleByteCode));
    }
    static uint32_t codeSize(uint16_t code) { return code > kLastSingleByteCode ? 2 : 1; }

private:
    static constexpr uint16_t kLastSingleByteCode = 0xFF;
    static constexpr unsigned kBitsPerByte = 8;
};
