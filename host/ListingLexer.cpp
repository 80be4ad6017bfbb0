#include "host/ListingLexer.h"
#include "host/ListingText.h"
#include "trxhost/Listing.h"

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

class Lexer {
public:
    Lexer(const std::string& text, const std::string& file) : text_(text), file_(file) {}

    std::vector<Statement> run()
    {
        std::vector<Statement> statements;
        Statement pending;
        for (size_t begin = 0; begin <= text_.size(); ++line_) {
            size_t end = text_.find('\n', begin);
            if (end == std::string::npos)
                end = text_.size();
            lineStart_ = countedTo_ = begin;
            counted_ = 1;
            lexLine(begin, end, pending);
            begin = end + 1;
            const bool continues = !pending.tokens.empty() && pending.tokens.back().kind == Token::Kind::Atom &&
                                   pending.tokens.back().text == "\\";
            if (continues) {
                pending.tokens.pop_back();
            } else if (!pending.tokens.empty()) {
                statements.push_back(std::move(pending));
                pending = Statement{};
            }
        }
        if (!pending.tokens.empty())
            statements.push_back(std::move(pending));
        return statements;
    }

private:
    void lexLine(size_t pos, size_t end, Statement& statement)
    {
        while (pos < end) {
            const char c = text_[pos];
            if (isBlank(c)) {
                ++pos;
            } else if (c == '#') {
                return;
            } else {
                Token token{Token::Kind::Atom, {}, {}, line_, column(pos)};
                pos = c == '"' ? lexString(pos, end, token) : lexAtom(pos, end, token);
                statement.tokens.push_back(std::move(token));
                statement.endLine = line_;
                statement.endColumn = column(pos);
            }
        }
    }

    size_t lexAtom(size_t pos, size_t end, Token& token)
    {
        const size_t begin = pos;
        while (pos < end && !endsAtom(text_[pos]))
            ++pos;
        token.text = text_.substr(begin, pos - begin);
        return pos;
    }

    size_t lexString(size_t pos, size_t end, Token& token)
    {
        token.kind = Token::Kind::String;
        const size_t quote = pos++;
        while (pos < end && text_[pos] != '"') {
            if (text_[pos] == '\\') {
                pos = lexEscape(pos, end, token.value);
                continue;
            }
            size_t size = 0;
            const std::optional<char32_t> c = decodeUtf8(text_, pos, &size);
            if (!c || pos + size > end)
                fail(pos, "invalid UTF-8 in a string");
            token.value += *c;
            pos += size;
        }
        if (pos >= end)
            fail(quote, "unterminated string");
        return pos + 1;
    }

    size_t lexEscape(size_t backslash, size_t end, std::u32string& value)
    {
        const char kind = backslash + 1 < end ? text_[backslash + 1] : '\0';
        const char simple[] = {'"', '"', '\\', '\\', 'n', '\n', 't', '\t', 'r', '\r'};
        for (size_t i = 0; i < sizeof simple; i += 2) {
            if (kind == simple[i]) {
                value += static_cast<char32_t>(simple[i + 1]);
                return backslash + 2;
            }
        }
        if (kind != 'u' || backslash + 2 >= end || text_[backslash + 2] != '{')
            fail(backslash, "unknown escape: use \\\" \\\\ \\n \\t \\r or \\u{hex}");
        size_t pos = backslash + 3;
        char32_t c = 0;
        size_t digits = 0;
        for (; pos < end && hexValue(text_[pos]) >= 0 && digits < kMaxEscapeDigits; ++pos, ++digits)
            c = c << 4 | static_cast<char32_t>(hexValue(text_[pos]));
        if (digits == 0 || pos >= end || text_[pos] != '}' || c > kMaxCodePoint)
            fail(backslash, "bad \\u{hex} escape: 1 to 6 hex digits up to 10FFFF");
        value += c;
        return pos + 1;
    }

    // Counts on from the last position asked for, since tokens come in order.
    unsigned column(size_t pos)
    {
        if (pos < countedTo_) {
            countedTo_ = lineStart_;
            counted_ = 1;
        }
        for (; countedTo_ < pos; ++countedTo_)
            counted_ += (static_cast<unsigned char>(text_[countedTo_]) & 0xC0) != 0x80;
        return counted_;
    }

    [[noreturn]] void fail(size_t pos, const std::string& message)
    {
        throw ListingError(file_, line_, column(pos), message);
    }

    const std::string& text_;
    const std::string& file_;
    unsigned line_ = 1;
    size_t lineStart_ = 0;
    size_t countedTo_ = 0;
    unsigned counted_ = 1;
};

} // namespace

std::vector<Statement> lexListing(const std::string& text, const std::string& file)
{
    return Lexer(text, file).run();
}

} // namespace trxhost
