#include "host/ListingText.h"

#include <algorithm>
#include <cstdio>

namespace trxhost {
namespace {

bool isSurrogate(char32_t c)
{
    return c >= 0xD800 && c <= 0xDFFF;
}

void appendQuoted(std::string& out, char32_t c)
{
    if (c == '"' || c == '\\') {
        out += '\\';
        out += static_cast<char>(c);
    } else if (c == '\n') {
        out += "\\n";
    } else if (c == '\t') {
        out += "\\t";
    } else if (c < 0x20 || c == 0x7F || isSurrogate(c)) {
        char escape[16];
        std::snprintf(escape, sizeof escape, "\\u{%X}", static_cast<unsigned>(c));
        out += escape;
    } else {
        appendUtf8(out, c);
    }
}

} // namespace

std::optional<char32_t> decodeUtf8(const std::string& text, size_t pos, size_t* size)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        *size = 1;
        return lead;
    }
    size_t length;
    char32_t c;
    char32_t smallest;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, c = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, c = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, c = lead & 0x07, smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() - pos < length)
        return std::nullopt;
    for (size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        c = c << 6 | (next & 0x3F);
    }
    if (c < smallest || c > 0x10FFFF || isSurrogate(c))
        return std::nullopt;
    *size = length;
    return c;
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::vector<uint16_t> toUnits(const std::u32string& codePoints)
{
    std::vector<uint16_t> units;
    // Text of the basic plane alone, the usual case, is a unit a code point.
    if (std::all_of(codePoints.begin(), codePoints.end(), [](char32_t c) { return c < 0x10000; }))
        return std::vector<uint16_t>(codePoints.begin(), codePoints.end());
    units.reserve(codePoints.size());
    for (const char32_t c : codePoints) {
        if (c < 0x10000) {
            units.push_back(static_cast<uint16_t>(c));
        } else {
            units.push_back(static_cast<uint16_t>(0xD800 + ((c - 0x10000) >> 10)));
            units.push_back(static_cast<uint16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        }
    }
    return units;
}

std::optional<std::vector<uint8_t>> toUtf8Bytes(const std::u32string& codePoints)
{
    std::string text;
    for (const char32_t c : codePoints) {
        if (isSurrogate(c))
            return std::nullopt;
        appendUtf8(text, c);
    }
    return std::vector<uint8_t>(text.begin(), text.end());
}

std::string quoteUnits(const uint16_t* units, size_t count)
{
    std::string out = "\"";
    for (size_t i = 0; i < count; ++i) {
        const char32_t c = units[i];
        const bool pair =
            c >= 0xD800 && c <= 0xDBFF && i + 1 < count && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF;
        if (pair) {
            appendQuoted(out, 0x10000 + ((c - 0xD800) << 10) + (units[i + 1] - 0xDC00));
            ++i;
        } else {
            appendQuoted(out, c);
        }
    }
    return out + '"';
}

std::optional<std::string> quoteUtf8(const std::vector<uint8_t>& bytes)
{
    const std::string text(bytes.begin(), bytes.end());
    std::string out = "\"";
    for (size_t pos = 0; pos < text.size();) {
        size_t size = 0;
        const std::optional<char32_t> c = decodeUtf8(text, pos, &size);
        if (!c || *c == 0)
            return std::nullopt;
        appendQuoted(out, *c);
        pos += size;
    }
    return out + '"';
}

std::string formatNumber(uint32_t value, ArgumentStyle style)
{
    char text[16];
    if (style == ArgumentStyle::Switch && value <= 1)
        return value ? "on" : "off";
    if (style == ArgumentStyle::Signed)
        std::snprintf(text, sizeof text, "%d", static_cast<int32_t>(value));
    else if (style == ArgumentStyle::Hex || value > UINT16_MAX)
        std::snprintf(text, sizeof text, "0x%X", value);
    else
        std::snprintf(text, sizeof text, "%u", value);
    return text;
}

} // namespace trxhost
