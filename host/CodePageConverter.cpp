#include "host/CodePageConverter.h"

#include <cstddef>

namespace trxhost {
namespace {

// iconv's wide form on this system: one wchar_t per character.
constexpr const char* kWideName = "WCHAR_T";
const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);
constexpr size_t kConversionFailed = static_cast<size_t>(-1);
// The longest code a code page here holds: a lead byte and a trail byte.
constexpr size_t kMaxCodeBytes = 2;

// Converts one unit of input and insists that all of it went into exactly
// `outSize` bytes without any approximation.
bool convertExactly(iconv_t converter, char* in, size_t inSize, char* out, size_t outCapacity, size_t* outSize)
{
    iconv(converter, nullptr, nullptr, nullptr, nullptr); // back to the initial state
    size_t inLeft = inSize;
    size_t outLeft = outCapacity;
    char* outNext = out;
    if (iconv(converter, &in, &inLeft, &outNext, &outLeft) != 0 || inLeft != 0)
        return false;
    // A stateful page may owe a closing sequence; such a page is not one this
    // host uses, but the bytes must be complete all the same.
    if (iconv(converter, nullptr, nullptr, &outNext, &outLeft) == kConversionFailed)
        return false;
    *outSize = outCapacity - outLeft;
    return true;
}

} // namespace

CodePageConverter::CodePageConverter(const char* name)
    : decoder_(iconv_open(kWideName, name)), encoder_(iconv_open(name, kWideName))
{
}

CodePageConverter::~CodePageConverter()
{
    if (decoder_ != kNoConverter)
        iconv_close(decoder_);
    if (encoder_ != kNoConverter)
        iconv_close(encoder_);
}

bool CodePageConverter::isOpen() const
{
    return decoder_ != kNoConverter && encoder_ != kNoConverter;
}

std::optional<uint16_t> CodePageConverter::decode(uint16_t code) const
{
    char bytes[kMaxCodeBytes] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
    const bool singleByte = code <= 0xFF;
    wchar_t characters[2];
    size_t outSize = 0;
    if (!convertExactly(decoder_, singleByte ? bytes + 1 : bytes, singleByte ? 1 : 2,
                        reinterpret_cast<char*>(characters), sizeof characters, &outSize) ||
        outSize != sizeof(wchar_t))
        return std::nullopt;
    const wchar_t character = characters[0];
    if (character < 0 || character > 0xFFFF || (character >= 0xD800 && character <= 0xDFFF))
        return std::nullopt;
    return static_cast<uint16_t>(character);
}

std::optional<uint16_t> CodePageConverter::encode(uint16_t character) const
{
    wchar_t wide = character;
    unsigned char bytes[kMaxCodeBytes + 2];
    size_t outSize = 0;
    if (!convertExactly(encoder_, reinterpret_cast<char*>(&wide), sizeof wide, reinterpret_cast<char*>(bytes),
                        sizeof bytes, &outSize))
        return std::nullopt;
    if (outSize == 1)
        return bytes[0];
    if (outSize == kMaxCodeBytes)
        return static_cast<uint16_t>(bytes[0] << 8 | bytes[1]);
    return std::nullopt;
}

} // namespace trxhost
