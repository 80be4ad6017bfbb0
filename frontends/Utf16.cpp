#include "frontends/Utf16.h"

namespace frontends {

namespace {

constexpr uint16_t kReplacement = 0xFFFD;
constexpr uint32_t kFirstSupplementary = 0x10000;
constexpr uint32_t kLastCodePoint = 0x10FFFF;
constexpr uint32_t kFirstSurrogate = 0xD800;
constexpr uint32_t kLastSurrogate = 0xDFFF;
constexpr uint16_t kHighSurrogateBase = 0xD800;
constexpr uint16_t kLowSurrogateBase = 0xDC00;

// The length of the sequence a lead byte starts and the bits it carries;
// a length of 0 for a byte that starts none.
struct Lead {
    size_t length;
    uint32_t bits;
};

Lead leadOf(unsigned char byte)
{
    if (byte < 0x80)
        return {1, byte};
    if ((byte & 0xE0) == 0xC0)
        return {2, byte & 0x1Fu};
    if ((byte & 0xF0) == 0xE0)
        return {3, byte & 0x0Fu};
    if ((byte & 0xF8) == 0xF0)
        return {4, byte & 0x07u};
    return {0, 0};
}

// The smallest code point each length may carry, so that overlong forms fail.
uint32_t smallestOfLength(size_t length)
{
    static const uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    return smallest[length];
}

void appendCodePoint(uint32_t codePoint, std::vector<uint16_t>& units)
{
    if (codePoint < kFirstSupplementary) {
        units.push_back(static_cast<uint16_t>(codePoint));
        return;
    }
    const uint32_t offset = codePoint - kFirstSupplementary;
    units.push_back(static_cast<uint16_t>(kHighSurrogateBase + (offset >> 10)));
    units.push_back(static_cast<uint16_t>(kLowSurrogateBase + (offset & 0x3FF)));
}

} // namespace

void appendUtf16(const std::string& text, std::vector<uint16_t>& units)
{
    size_t at = 0;
    while (at < text.size()) {
        const Lead lead = leadOf(static_cast<unsigned char>(text[at]));
        bool valid = lead.length != 0 && at + lead.length <= text.size();
        uint32_t codePoint = lead.bits;
        for (size_t i = 1; valid && i < lead.length; ++i) {
            const auto byte = static_cast<unsigned char>(text[at + i]);
            valid = (byte & 0xC0) == 0x80;
            codePoint = (codePoint << 6) | (byte & 0x3Fu);
        }
        valid = valid && codePoint >= smallestOfLength(lead.length) && codePoint <= kLastCodePoint &&
                (codePoint < kFirstSurrogate || codePoint > kLastSurrogate);
        appendCodePoint(valid ? codePoint : kReplacement, units);
        at += valid ? lead.length : 1;
    }
}

} // namespace frontends
