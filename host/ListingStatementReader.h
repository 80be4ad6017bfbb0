// Reads the tokens of one listing statement in order and reports faults at
// the position of the token they concern. The statement parsers share it.
#pragma once

#include "host/ChangeForms.h"
#include "host/ListingLexer.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace trxhost {

// A name: a letter or '_', then letters, digits, '_' and '-'.
bool isName(const std::string& text);
// An atom that is a name: a keyword or a statement word, not a number, a
// label or a string.
bool isWord(const Token& token);
// The token as a message shows it.
std::string describe(const Token& token);

class StatementReader {
public:
    StatementReader(const Statement& statement, const std::string& file) : statement_(statement), file_(file) {}

    bool atEnd() const { return next_ == statement_.tokens.size(); }
    const Token& peek() const { return statement_.tokens[next_]; }
    size_t position() const { return next_; }
    void seek(size_t position) { next_ = position; }
    size_t size() const { return statement_.tokens.size(); }
    const Token& at(size_t index) const { return statement_.tokens[index]; }

    // The next token; at the end, a fault that `what` was expected.
    const Token& take(const std::string& what);
    // The same for the value of `name`: the fault's text is made only when
    // it is needed, since values are taken for most statements.
    const Token& takeValueFor(std::string_view name);
    bool takeKeyword(const char* keyword);
    void expectKeyword(const char* keyword);
    void expectEnd() const;
    // How many tokens from the next one on spell `words` (words separated by
    // single spaces), or 0 when they do not.
    size_t matches(const std::string& words) const;
    // Of the items, the one whose name the next tokens spell with the most
    // tokens, or null; *length receives the number of tokens.
    template <typename Item>
    const Item* longestMatch(const std::vector<Item>& items, size_t* length) const
    {
        const Item* found = nullptr;
        *length = 0;
        for (const Item& item : items) {
            const size_t itemLength = matches(item.name);
            if (itemLength > *length) {
                *length = itemLength;
                found = &item;
            }
        }
        return found;
    }

    // Fails at the token unless the value it gave lies in the range of
    // `what` (a field's or an argument's name).
    void checkRange(const Token& token, uint32_t value, const ValueRange& range, const std::string& what) const;

    [[noreturn]] void fail(const Token& token, const std::string& message) const;
    [[noreturn]] void failAtEnd(const std::string& message) const;

private:
    const Statement& statement_;
    const std::string& file_;
    size_t next_ = 0;
};

} // namespace trxhost
