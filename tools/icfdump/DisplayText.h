// The forms in which a listing shows text and command names.
#pragma once

#include <string>
#include <string_view>

namespace icfdump {

// Builds a quoted string: printable ASCII as it is, other characters as
// UTF-8, and as escapes: '"' and '\' (\" and \\), tab, line feed and carriage
// return (\t \n \r), other control characters and bytes that are not known
// characters (\xNN, two lower-case hexadecimal digits). Beside it keeps the
// plain characters in UTF-8, a byte that is not a known character as U+FFFD.
class DisplayText {
public:
    void character(char32_t c);
    void undecodedByte(unsigned char byte);
    // Bytes below 0x80 are ASCII characters; others are not known characters.
    void asciiBytes(std::string_view bytes);
    std::string quoted() const { return '"' + body_ + '"'; }
    const std::string& plain() const { return plain_; }

private:
    std::string body_;
    std::string plain_;
};

// The quoted form of raw text bytes.
std::string quoteBytes(std::string_view bytes);

// A command name: ASCII letters and digits as they are, any other byte as
// \xNN, so that a name never looks like a quoted text run.
std::string displayName(std::string_view name);

} // namespace icfdump
