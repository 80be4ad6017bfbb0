// Turns the bytes that "XCS" escapes and "MBC" runs carry back into
// characters, with the C library's iconv.
#pragma once

#include "DisplayText.h"

#include <iconv.h>

#include <map>
#include <string>
#include <string_view>

namespace icfdump {

// Keeps one converter per code page for the life of the object.
class CodePages {
public:
    CodePages() = default;
    CodePages(const CodePages&) = delete;
    CodePages& operator=(const CodePages&) = delete;
    ~CodePages();

    // One byte of the single-byte code page an "XCS" escape names. 819 is
    // what the writer puts for western text (code pages 0 and 1252), so it
    // is read as Windows-1252. 9998 marks text in the symbol font, whose
    // bytes are glyphs rather than characters. A byte of an unknown code
    // page, or one its code page does not define, stays a byte.
    void decodeByte(unsigned long codePage, unsigned char byte, DisplayText& text);

    // Bytes of the double-byte code page an "MBC" code set names (1: 932,
    // 2: 950, 3: 936, 4: 949). Bytes of another code set, and bytes that do
    // not form a character, stay bytes.
    void decodeDoubleByte(unsigned long codeSet, std::string_view bytes, DisplayText& text);

private:
    // Null name: no conversion.
    void decode(const char* name, std::string_view bytes, DisplayText& text);
    // The converter to UTF-32LE, or (iconv_t)-1 when iconv does not know the name.
    iconv_t converter(const std::string& name);

    std::map<std::string, iconv_t> converters_;
};

} // namespace icfdump
