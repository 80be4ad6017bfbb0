// Strings of the listing: UTF-8 in the file; 16-bit units in the text lists
// and UTF-8 bytes in options. Escapes make every unit sequence writable.
#pragma once

#include "host/ChangeForms.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace trxhost {

// Decodes one UTF-8 sequence at text[pos]: the code point, or nullopt for a
// malformed sequence; *size receives the bytes it takes.
std::optional<char32_t> decodeUtf8(const std::string& text, size_t pos, size_t* size);
void appendUtf8(std::string& out, char32_t codePoint);

// Code points to UTF-16 units. A lone surrogate code point (written as an
// escape) stays one unit.
std::vector<uint16_t> toUnits(const std::u32string& codePoints);
// Code points to UTF-8 bytes; nullopt when one is a surrogate.
std::optional<std::vector<uint8_t>> toUtf8Bytes(const std::u32string& codePoints);

// A quoted listing string that parses back to the units.
std::string quoteUnits(const uint16_t* units, size_t count);
// A quoted listing string for bytes that are UTF-8 without zero bytes, or
// nullopt.
std::optional<std::string> quoteUtf8(const std::vector<uint8_t>& bytes);

// A number as the listing writes it in the given style; plain numbers above
// 0xFFFF are written in hex.
std::string formatNumber(uint32_t value, ArgumentStyle style);

} // namespace trxhost
