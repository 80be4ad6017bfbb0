#include "PictureData.h"

#include "../HexDigit.h"

namespace icfdump::preview {

namespace {

struct WebFormat {
    std::string_view signature;
    const char* mediaType;
};

const WebFormat kWebFormats[] = {
    {"\x89PNG\r\n\x1a\n", "image/png"},
    {"\xff\xd8\xff", "image/jpeg"},
    {"GIF87a", "image/gif"},
    {"GIF89a", "image/gif"},
};

} // namespace

std::string base64(std::string_view bytes)
{
    static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    constexpr unsigned kSixBits = 0x3F;
    std::string encoded;
    for (size_t i = 0; i < bytes.size(); i += 3) {
        const size_t count = std::min<size_t>(3, bytes.size() - i);
        unsigned long group = 0;
        for (size_t j = 0; j < 3; ++j)
            group = group << 8 | (j < count ? static_cast<unsigned char>(bytes[i + j]) : 0U);
        for (size_t j = 0; j < 4; ++j)
            encoded += j <= count ? kAlphabet[(group >> (18 - 6 * j)) & kSixBits] : '=';
    }
    return encoded;
}

std::string pictureDataUri(std::string_view hexDigits)
{
    if (hexDigits.size() % 2 != 0)
        return {};
    std::string bytes;
    for (size_t i = 0; i < hexDigits.size(); i += 2) {
        const int high = hexValue(hexDigits[i]);
        const int low = hexValue(hexDigits[i + 1]);
        if (high < 0 || low < 0)
            return {};
        bytes += static_cast<char>(high << 4 | low);
    }
    for (const WebFormat& format : kWebFormats) {
        if (bytes.compare(0, format.signature.size(), format.signature) == 0)
            return std::string("data:") + format.mediaType + ";base64," + base64(bytes);
    }
    return {};
}

} // namespace icfdump::preview
