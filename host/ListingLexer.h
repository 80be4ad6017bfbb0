// Splits a listing into statements of tokens. A statement is one line; a
// line that ends in a lone backslash goes on in the next. `#` starts a
// comment outside strings.
#pragma once

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

// Throws ListingError, positioned in `file`.
std::vector<Statement> lexListing(const std::string& text, const std::string& file);

} // namespace trxhost
