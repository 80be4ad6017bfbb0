#include "host/ListingStatementReader.h"
#include "trxhost/Listing.h"

namespace trxhost {
namespace {

bool isNameStart(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

} // namespace

bool isName(const std::string& text)
{
    if (text.empty() || !isNameStart(text[0]))
        return false;
    for (const char c : text) {
        if (!isNameStart(c) && !(c >= '0' && c <= '9') && c != '-')
            return false;
    }
    return true;
}

bool isWord(const Token& token)
{
    return token.kind == Token::Kind::Atom && isName(token.text);
}

std::string describe(const Token& token)
{
    return token.kind == Token::Kind::String ? "a string" : "'" + token.text + "'";
}

const Token& StatementReader::take(const std::string& what)
{
    if (atEnd())
        failAtEnd("expected " + what);
    return statement_.tokens[next_++];
}

const Token& StatementReader::takeValueFor(std::string_view name)
{
    if (atEnd())
        failAtEnd("expected a value for '" + std::string(name) + "'");
    return statement_.tokens[next_++];
}

bool StatementReader::takeKeyword(const char* keyword)
{
    if (atEnd() || peek().kind != Token::Kind::Atom || peek().text != keyword)
        return false;
    ++next_;
    return true;
}

void StatementReader::expectKeyword(const char* keyword)
{
    const Token& token = take(std::string("'") + keyword + "'");
    if (token.kind != Token::Kind::Atom || token.text != keyword)
        fail(token, std::string("expected '") + keyword + "', found " + describe(token));
}

void StatementReader::expectEnd() const
{
    if (!atEnd())
        fail(peek(), "unexpected " + describe(peek()) + " at the end of the statement");
}

size_t StatementReader::matches(const std::string& words) const
{
    size_t index = next_;
    for (size_t begin = 0; begin <= words.size(); ++index) {
        size_t end = words.find(' ', begin);
        if (end == std::string::npos)
            end = words.size();
        if (index == size() || !isWord(at(index)) || at(index).text != words.substr(begin, end - begin))
            return 0;
        begin = end + 1;
    }
    return index - next_;
}

void StatementReader::checkRange(const Token& token, uint32_t value, const ValueRange& range,
                                 const std::string& what) const
{
    if (!range.holds(value))
        fail(token, "out of range: '" + what + "' takes " + range.describe() + ", found " + describe(token));
}

void StatementReader::fail(const Token& token, const std::string& message) const
{
    throw ListingError(file_, token.line, token.column, message);
}

void StatementReader::failAtEnd(const std::string& message) const
{
    throw ListingError(file_, statement_.endLine, statement_.endColumn, message);
}

} // namespace trxhost
