#include "DisplayText.h"

#include "HexDigit.h"

namespace icfdump {

namespace {

void appendHexEscape(std::string& text, unsigned char byte)
{
    text += "\\x" + twoHexDigits(byte);
}

void appendUtf8(std::string& text, char32_t c)
{
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool isAsciiAlphanumeric(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

} // namespace

void DisplayText::character(char32_t c)
{
    appendUtf8(plain_, c);
    switch (c) {
    case '"':
        body_ += "\\\"";
        return;
    case '\\':
        body_ += "\\\\";
        return;
    case '\t':
        body_ += "\\t";
        return;
    case '\n':
        body_ += "\\n";
        return;
    case '\r':
        body_ += "\\r";
        return;
    default:
        break;
    }
    const bool control = c < 0x20 || (c >= 0x7F && c < 0xA0);
    if (control)
        appendHexEscape(body_, static_cast<unsigned char>(c));
    else
        appendUtf8(body_, c);
}

void DisplayText::undecodedByte(unsigned char byte)
{
    constexpr char32_t kReplacementCharacter = 0xFFFD;
    appendUtf8(plain_, kReplacementCharacter);
    appendHexEscape(body_, byte);
}

void DisplayText::asciiBytes(std::string_view bytes)
{
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        if (value < 0x80)
            character(value);
        else
            undecodedByte(value);
    }
}

std::string quoteBytes(std::string_view bytes)
{
    DisplayText text;
    text.asciiBytes(bytes);
    return text.quoted();
}

std::string displayName(std::string_view name)
{
    std::string shown;
    for (const char byte : name) {
        if (isAsciiAlphanumeric(byte))
            shown += byte;
        else
            appendHexEscape(shown, static_cast<unsigned char>(byte));
    }
    return shown;
}

} // namespace icfdump
