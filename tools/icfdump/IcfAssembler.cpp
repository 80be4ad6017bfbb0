#include "IcfAssembler.h"

#include "HexDigit.h"
#include "IcfDecoder.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace icfdump {

namespace {

constexpr size_t kIndentWidth = 2;

// A line that holds something, without its indentation.
struct Line {
    size_t number; // from 1
    size_t depth;  // indentation steps
    std::string_view content;
};

// A text run or a command as the listing shows it.
struct Element;
using Elements = std::vector<Element>;

struct Element {
    size_t line = 0;
    bool command = false;
    std::string bytes; // the text, or the command's name
    std::vector<Elements> parameters;
    Elements body;
};

std::vector<Line> splitLines(std::string_view listing)
{
    std::vector<Line> lines;
    size_t number = 0;
    while (!listing.empty()) {
        const size_t end = std::min(listing.find('\n'), listing.size());
        std::string_view text = listing.substr(0, end);
        listing.remove_prefix(std::min(end + 1, listing.size()));
        ++number;
        while (!text.empty() && (text.back() == ' ' || text.back() == '\r'))
            text.remove_suffix(1);
        if (text.empty())
            continue;
        const size_t indent = text.find_first_not_of(' ');
        if (indent % kIndentWidth != 0)
            throw AssemblyError(number, "indented by " + std::to_string(indent) +
                                            " spaces; the listing indents in steps of " + std::to_string(kIndentWidth));
        lines.push_back({number, indent / kIndentWidth, text.substr(indent)});
    }
    return lines;
}

bool isDecimalDigits(std::string_view text)
{
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isAsciiAlphanumeric(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

bool isSyntaxByte(char c)
{
    return c == kEscape || c == kCommandTerminator || c == kParameterTerminator;
}

std::string byteName(char c)
{
    return "0x" + twoHexDigits(static_cast<unsigned char>(c));
}

// Reads the tokens of one line: names, quoted strings and parameters.
class LineScanner {
public:
    explicit LineScanner(const Line& line) : line_(line), rest_(line.content) {}

    [[noreturn]] void fail(const std::string& message) const { throw AssemblyError(line_.number, message); }

    // Skips the spaces before the next token; false at the end of the line.
    bool nextToken()
    {
        const size_t spaces = std::min(rest_.find_first_not_of(' '), rest_.size());
        if (spaces == 0 && !rest_.empty())
            fail("expected a space before \"" + std::string(rest_) + "\"");
        rest_.remove_prefix(spaces);
        return !rest_.empty();
    }

    void expectEnd()
    {
        if (!rest_.empty())
            fail("unexpected \"" + std::string(rest_) + "\" after the quoted string");
    }

    // A quoted string; the line goes on after its closing quote.
    std::string quoted()
    {
        take(); // the opening quote
        std::string bytes;
        for (;;) {
            if (rest_.empty())
                fail("the quoted string is not closed");
            const char c = take();
            if (c == '"')
                break;
            if (c == '\\')
                bytes += escape();
            else if (c >= 0x20 && c < 0x7F)
                bytes += c;
            else if (static_cast<unsigned char>(c) >= 0x80)
                fail("a character outside ASCII in a quoted string: the listing writes such bytes as \\xNN "
                     "(a listing made with --decode cannot be assembled)");
            else
                fail("the control character " + byteName(c) + " stands in a quoted string as it is; write it as \\xNN");
        }
        rejectSyntaxBytes(bytes, "text");
        return bytes;
    }

    // A command name: letters, digits and \xNN escapes, three bytes in all.
    std::string name()
    {
        std::string bytes;
        while (!rest_.empty() && rest_.front() != ' ') {
            const char c = take();
            if (isAsciiAlphanumeric(c))
                bytes += c;
            else if (c == '\\' && skip('x'))
                bytes += hexEscape();
            else
                fail(std::string("a command name is letters, digits and \\xNN escapes, not '") + c + "'");
        }
        if (bytes.size() != kCommandNameLength)
            fail("a command name has " + std::to_string(kCommandNameLength) + " bytes, \"" +
                 std::string(line_.content.substr(0, line_.content.find(' '))) + "\" has " +
                 std::to_string(bytes.size()));
        rejectSyntaxBytes(bytes, "a command name");
        return bytes;
    }

    // The parameter at `position` (from 1) on a command's line: its bytes, or
    // null for #position, whose content is a block under the command.
    std::optional<std::string> parameter(size_t position)
    {
        if (rest_.front() == '"')
            return quoted();
        const std::string token(rest_.substr(0, rest_.find(' ')));
        rest_.remove_prefix(token.size());
        const std::string number = std::to_string(position);
        if (token == "#" + number)
            return std::nullopt;
        if (token.front() == '#')
            fail("parameter " + number + " is shown as " + token + "; a parameter held in a block is numbered by " +
                 "its position, #" + number);
        if (token.rfind("0x", 0) == 0 && isHexDigits(token.substr(2)))
            return token.substr(2);
        if (isDecimalDigits(token))
            return token;
        fail("parameter " + number + ", " + token + ", is neither a number, nor 0x and hexadecimal digits, nor a " +
             "quoted string, nor #" + number);
    }

private:
    char take()
    {
        const char c = rest_.front();
        rest_.remove_prefix(1);
        return c;
    }

    // Takes `expected` when it comes next.
    bool skip(char expected)
    {
        if (rest_.empty() || rest_.front() != expected)
            return false;
        rest_.remove_prefix(1);
        return true;
    }

    char escape()
    {
        if (rest_.empty())
            fail("the quoted string ends in a lone \\");
        const char c = take();
        switch (c) {
        case '"':
        case '\\':
            return c;
        case 't':
            return '\t';
        case 'n':
            return '\n';
        case 'r':
            return '\r';
        case 'x':
            return hexEscape();
        default:
            fail(std::string("unknown escape \\") + c + " (the listing writes \\\" \\\\ \\t \\n \\r and \\xNN)");
        }
    }

    char hexEscape()
    {
        if (rest_.size() < 2 || hexValue(rest_[0]) < 0 || hexValue(rest_[1]) < 0)
            fail("\\x is followed by two hexadecimal digits");
        const char byte = static_cast<char>(hexValue(rest_[0]) * 16 + hexValue(rest_[1]));
        rest_.remove_prefix(2);
        return byte;
    }

    // The bytes that give ICF its structure come only from the listing's
    // structure: in a text or a name they would change what the stream holds.
    void rejectSyntaxBytes(const std::string& bytes, const char* where) const
    {
        const auto found = std::find_if(bytes.begin(), bytes.end(), isSyntaxByte);
        if (found != bytes.end())
            fail("the ICF syntax byte " + byteName(*found) + " cannot stand in " + where);
    }

    const Line& line_;
    std::string_view rest_;
};

// Builds the elements from the lines, following the indentation: a
// command's "#N:" blocks one step under it with their content two steps
// under it, then its body one step under it.
class Parser {
public:
    explicit Parser(std::vector<Line> lines) : lines_(std::move(lines)) {}

    Elements document()
    {
        Elements elements = sequence(0);
        rejectStrayBlock(0);
        return elements;
    }

private:
    const Line* peek() const { return next_ < lines_.size() ? &lines_[next_] : nullptr; }

    static bool isBlockHeader(const Line& line) { return line.content.front() == '#'; }

    // The elements at `depth`, up to a line that is less indented or a block header.
    Elements sequence(size_t depth)
    {
        Elements elements;
        while (const Line* line = peek()) {
            if (line->depth < depth || (line->depth == depth && isBlockHeader(*line)))
                break;
            if (line->depth > depth)
                throw AssemblyError(line->number, "indented deeper than its place allows (at most " +
                                                      std::to_string(depth * kIndentWidth) + " spaces here)");
            ++next_;
            elements.push_back(line->content.front() == '"' ? text(*line) : command(*line));
        }
        return elements;
    }

    void rejectStrayBlock(size_t depth) const
    {
        const Line* line = peek();
        if (line && line->depth == depth && isBlockHeader(*line))
            throw AssemblyError(line->number, "\"" + std::string(line->content) +
                                                  "\" is not the block of a parameter shown as #N on the line of " +
                                                  "the command one step above it");
    }

    static Element text(const Line& line)
    {
        LineScanner scanner(line);
        Element element{line.number, false, scanner.quoted(), {}, {}};
        scanner.expectEnd();
        return element;
    }

    Element command(const Line& line)
    {
        LineScanner scanner(line);
        Element command{line.number, true, scanner.name(), {}, {}};
        std::vector<size_t> blocks;
        while (scanner.nextToken()) {
            const size_t position = command.parameters.size() + 1;
            std::optional<std::string> bytes = scanner.parameter(position);
            command.parameters.emplace_back();
            if (!bytes)
                blocks.push_back(position);
            else if (!bytes->empty())
                command.parameters.back().push_back({line.number, false, std::move(*bytes), {}, {}});
        }
        for (const size_t position : blocks)
            command.parameters[position - 1] = block(line, position);
        command.body = sequence(line.depth + 1);
        rejectStrayBlock(line.depth + 1);
        return command;
    }

    // The content of the block "#position:" that follows the command on `line`.
    Elements block(const Line& line, size_t position)
    {
        const std::string header = '#' + std::to_string(position) + ':';
        const Line* next = peek();
        if (next && next->depth == line.depth + 1 && isBlockHeader(*next) && next->content != header)
            throw AssemblyError(next->number, "expected " + header +
                                                  " (the blocks follow in the order of the parameters), found \"" +
                                                  std::string(next->content) + "\"");
        if (!next || next->depth != line.depth + 1 || next->content != header)
            throw AssemblyError(line.number, "parameter " + std::to_string(position) + " is shown as #" +
                                                 std::to_string(position) + " but no \"" + header +
                                                 "\" follows one step under the command");
        ++next_;
        Elements content = sequence(line.depth + 2);
        rejectStrayBlock(line.depth + 2);
        return content;
    }

    std::vector<Line> lines_;
    size_t next_ = 0;
};

// Writes the elements as ICF bytes and remembers which line each byte comes from.
class Writer {
public:
    std::string assemble(const Elements& elements)
    {
        sequence(elements);
        return std::move(bytes_);
    }

    // The line of the element in which the byte at `offset` stands.
    size_t lineAt(size_t offset) const
    {
        const auto after = std::upper_bound(marks_.begin(), marks_.end(), std::make_pair(offset, SIZE_MAX));
        return after == marks_.begin() ? 0 : std::prev(after)->second;
    }

private:
    void sequence(const Elements& elements)
    {
        for (const Element& element : elements)
            write(element);
    }

    void write(const Element& element)
    {
        marks_.emplace_back(bytes_.size(), element.line);
        if (!element.command) {
            bytes_ += element.bytes;
            return;
        }
        bytes_ += kEscape;
        bytes_ += kGroupSeparator;
        bytes_ += element.bytes;
        for (const Elements& parameter : element.parameters) {
            sequence(parameter);
            bytes_ += kParameterTerminator;
        }
        sequence(element.body);
        bytes_ += kCommandTerminator;
    }

    std::string bytes_;
    std::vector<std::pair<size_t, size_t>> marks_; // (offset, line), by offset
};

} // namespace

AssemblyError::AssemblyError(size_t line, const std::string& message)
    : std::runtime_error("line " + std::to_string(line) + ": " + message), line_(line)
{
}

std::string assembleIcf(std::string_view listing)
{
    const Elements elements = Parser(splitLines(listing)).document();
    Writer writer;
    std::string bytes = writer.assemble(elements);
    // What the lines cannot show by themselves: commands inside the text
    // escapes, and nesting deeper than a stream may go.
    const IcfStream stream = decodeIcf(bytes);
    if (stream.fault)
        throw AssemblyError(writer.lineAt(stream.fault->offset),
                            "the listing shows malformed ICF: " + stream.fault->message);
    return bytes;
}

} // namespace icfdump
