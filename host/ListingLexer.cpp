#include "host/ListingLexer.h"
#include "host/ListingText.h"
#include "trxhost/Listing.h"

#include <algorithm>
#include <string_view>

namespace trxhost {
namespace {

// The largest escape \u{...}: the last Unicode code point.
constexpr char32_t kMaxCodePoint = 0x10FFFF;
// Hex digits an escape may have: enough for kMaxCodePoint.
constexpr size_t kMaxEscapeDigits = 6;

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}
bool isAscii(char c)
{
    return static_cast<unsigned char>(c) < 0x80;
}
// A byte of a string that stands for itself: ASCII, no quote, no escape.
bool isPlainStringByte(char c)
{
    return isAscii(c) && c != '"' && c != '\\';
}
bool endsAtom(char c)
{
    return isBlank(c) || c == '"' || c == '#';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

bool StatementLexer::next(Statement& statement)
{
    // The vector keeps its room from statement to statement.
    statement.tokens.clear();
    statement.endLine = 0;
    statement.endColumn = 0;
    while (std::getline(in_, line_)) {
        ++lineNumber_;
        countedTo_ = 0;
        counted_ = 1;
        asciiLine_ = std::all_of(line_.begin(), line_.end(), isAscii);
        lexLine(statement);
        const bool continues = !statement.tokens.empty() && statement.tokens.back().kind == Token::Kind::Atom &&
                               std::string_view(statement.tokens.back().text) == "\\";
        if (continues)
            statement.tokens.pop_back();
        else if (!statement.tokens.empty())
            return true;
    }
    if (in_.bad())
        throw ListingError(file_, 0, 0, "cannot read the listing: cannot read it");
    return !statement.tokens.empty();
}

void StatementLexer::lexLine(Statement& statement)
{
    size_t pos = 0;
    while (pos < line_.size()) {
        const char c = line_[pos];
        if (isBlank(c)) {
            ++pos;
        } else if (c == '#') {
            return;
        } else {
            Token token{Token::Kind::Atom, {}, {}, lineNumber_, column(pos)};
            pos = c == '"' ? lexString(pos, token) : lexAtom(pos, token);
            statement.tokens.push_back(std::move(token));
            statement.endLine = lineNumber_;
            statement.endColumn = column(pos);
        }
    }
}

size_t StatementLexer::lexAtom(size_t pos, Token& token) const
{
    const size_t begin = pos;
    while (pos < line_.size() && !endsAtom(line_[pos]))
        ++pos;
    token.text.assign(line_, begin, pos - begin);
    return pos;
}

size_t StatementLexer::lexString(size_t pos, Token& token)
{
    token.kind = Token::Kind::String;
    // At most one code point per byte up to the line's end.
    token.value.reserve(line_.size() - pos);
    const size_t quote = pos++;
    while (pos < line_.size() && line_[pos] != '"') {
        const auto byte = static_cast<unsigned char>(line_[pos]);
        if (byte == '\\') {
            pos = lexEscape(pos, token.value);
            continue;
        }
        // Most text is ASCII: bytes that are their own code points, taken
        // a run at a time.
        if (byte < 0x80) {
            pos = appendPlainRun(pos, token.value);
            continue;
        }
        size_t size = 0;
        const std::optional<char32_t> c = decodeUtf8(line_, pos, &size);
        if (!c)
            fail(pos, "invalid UTF-8 in a string");
        token.value += *c;
        pos += size;
    }
    if (pos >= line_.size())
        fail(quote, "unterminated string");
    return pos + 1;
}

size_t StatementLexer::appendPlainRun(size_t pos, std::u32string& value) const
{
    const auto begin = line_.begin() + static_cast<std::ptrdiff_t>(pos);
    const auto end = std::find_if_not(begin, line_.end(), isPlainStringByte);
    const size_t held = value.size();
    value.resize(held + static_cast<size_t>(end - begin));
    std::copy(begin, end, value.begin() + static_cast<std::ptrdiff_t>(held));
    return pos + static_cast<size_t>(end - begin);
}

size_t StatementLexer::lexEscape(size_t backslash, std::u32string& value)
{
    const size_t end = line_.size();
    const char kind = backslash + 1 < end ? line_[backslash + 1] : '\0';
    const char simple[] = {'"', '"', '\\', '\\', 'n', '\n', 't', '\t', 'r', '\r'};
    for (size_t i = 0; i < sizeof simple; i += 2) {
        if (kind == simple[i]) {
            value += static_cast<char32_t>(simple[i + 1]);
            return backslash + 2;
        }
    }
    if (kind != 'u' || backslash + 2 >= end || line_[backslash + 2] != '{')
        fail(backslash, "unknown escape: use \\\" \\\\ \\n \\t \\r or \\u{hex}");
    size_t pos = backslash + 3;
    char32_t c = 0;
    size_t digits = 0;
    for (; pos < end && hexValue(line_[pos]) >= 0 && digits < kMaxEscapeDigits; ++pos, ++digits)
        c = c << 4 | static_cast<char32_t>(hexValue(line_[pos]));
    if (digits == 0 || pos >= end || line_[pos] != '}' || c > kMaxCodePoint)
        fail(backslash, "bad \\u{hex} escape: 1 to 6 hex digits up to 10FFFF");
    value += c;
    return pos + 1;
}

unsigned StatementLexer::column(size_t pos)
{
    if (asciiLine_)
        return static_cast<unsigned>(pos + 1);
    if (pos < countedTo_) {
        countedTo_ = 0;
        counted_ = 1;
    }
    for (; countedTo_ < pos; ++countedTo_)
        counted_ += (static_cast<unsigned char>(line_[countedTo_]) & 0xC0) != 0x80;
    return counted_;
}

void StatementLexer::fail(size_t pos, const std::string& message)
{
    throw ListingError(file_, lineNumber_, column(pos), message);
}

} // namespace trxhost
