// Splits a listing into statements of tokens. A statement is one line; a
// line that ends in a lone backslash goes on in the next. `#` starts a
// comment outside strings.
#pragma once

#include <istream>
#include <string>
#include <vector>

namespace trxhost {

struct Token {
    enum class Kind { Atom, String };
    Kind kind;
    std::string text;     // an atom as written
    std::u32string value; // a string's code points, escapes resolved
    unsigned line;
    unsigned column; // 1-based, in characters
};

struct Statement {
    std::vector<Token> tokens;
    unsigned endLine;   // where the statement's last token ends,
    unsigned endColumn; // for reporting what is missing
};

// Reads the statements one at a time, a line at a time, so that a listing
// is never held whole. Faults throw ListingError, positioned in `file`.
class StatementLexer {
public:
    StatementLexer(std::istream& in, const std::string& file) : in_(in), file_(file) {}

    // The next statement; false at the end of the listing.
    bool next(Statement& statement);

private:
    void lexLine(Statement& statement);
    size_t lexAtom(size_t pos, Token& token) const;
    size_t lexString(size_t pos, Token& token);
    size_t appendPlainRun(size_t pos, std::u32string& value) const;
    size_t lexEscape(size_t backslash, std::u32string& value);
    unsigned column(size_t pos);
    [[noreturn]] void fail(size_t pos, const std::string& message);

    std::istream& in_;
    const std::string& file_;
    std::string line_;
    unsigned lineNumber_ = 0;
    // Columns are counted on from the last position asked for, since tokens
    // come in order; on a line of ASCII alone a column is the byte's place.
    bool asciiLine_ = true;
    size_t countedTo_ = 0;
    unsigned counted_ = 1;
};

} // namespace trxhost
