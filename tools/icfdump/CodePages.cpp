#include "CodePages.h"

#include <cerrno>
#include <iterator>

namespace icfdump {

namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);
constexpr unsigned long kWesternCodePage = 819;
constexpr unsigned long kSymbolCodePage = 9998;

void keepBytes(std::string_view bytes, DisplayText& text)
{
    for (const char byte : bytes)
        text.undecodedByte(static_cast<unsigned char>(byte));
}

// Hands the UTF-32LE characters in `bytes` (a whole number of them) to `text`.
void takeCharacters(const unsigned char* bytes, size_t size, DisplayText& text)
{
    for (size_t i = 0; i + 4 <= size; i += 4)
        text.character(static_cast<char32_t>(bytes[i]) | static_cast<char32_t>(bytes[i + 1]) << 8 |
                       static_cast<char32_t>(bytes[i + 2]) << 16 | static_cast<char32_t>(bytes[i + 3]) << 24);
}

} // namespace

CodePages::~CodePages()
{
    for (const auto& entry : converters_)
        if (entry.second != kNoConverter)
            iconv_close(entry.second);
}

void CodePages::decodeByte(unsigned long codePage, unsigned char byte, DisplayText& text)
{
    const std::string_view bytes(reinterpret_cast<const char*>(&byte), 1);
    if (codePage == kSymbolCodePage)
        decode(nullptr, bytes, text);
    else if (codePage == kWesternCodePage)
        decode("CP1252", bytes, text);
    else
        decode(("CP" + std::to_string(codePage)).c_str(), bytes, text);
}

void CodePages::decodeDoubleByte(unsigned long codeSet, std::string_view bytes, DisplayText& text)
{
    static const char* const kCodeSets[] = {nullptr, "CP932", "CP950", "CP936", "CP949"};
    decode(codeSet < std::size(kCodeSets) ? kCodeSets[codeSet] : nullptr, bytes, text);
}

void CodePages::decode(const char* name, std::string_view bytes, DisplayText& text)
{
    const iconv_t cd = name ? converter(name) : kNoConverter;
    if (cd == kNoConverter) {
        keepBytes(bytes, text);
        return;
    }
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    while (inLeft > 0) {
        unsigned char out[256];
        char* outNext = reinterpret_cast<char*>(out);
        size_t outLeft = sizeof out;
        const size_t result = iconv(cd, &in, &inLeft, &outNext, &outLeft);
        takeCharacters(out, sizeof out - outLeft, text);
        if (result == static_cast<size_t>(-1) && errno != E2BIG) {
            // Not a character of this code page, or cut off at the end.
            text.undecodedByte(static_cast<unsigned char>(*in));
            ++in;
            --inLeft;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
}

iconv_t CodePages::converter(const std::string& name)
{
    const auto found = converters_.find(name);
    if (found != converters_.end())
        return found->second;
    const iconv_t cd = iconv_open("UTF-32LE", name.c_str());
    converters_.emplace(name, cd);
    return cd;
}

} // namespace icfdump
