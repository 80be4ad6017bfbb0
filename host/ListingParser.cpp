// Reads a listing into a new document; the first fault throws ListingError
// and the half-built document is dropped.
#include "host/ChangeForms.h"
#include "host/ListingLexer.h"
#include "host/ListingStatementReader.h"
#include "host/ListingText.h"
#include "host/RecordFieldParser.h"
#include "trxhost/Document.h"
#include "trxhost/Listing.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string_view>
#include <unordered_map>

namespace trxhost {
namespace {

// The largest negative number a listing may write: the lowest signed 32-bit value.
constexpr int64_t kMinNumber = INT32_MIN;
constexpr int64_t kMaxNumber = UINT32_MAX;
constexpr uint32_t kMaxUnit = UINT16_MAX;
constexpr uint32_t kChangeWords = CHRECORD_SIZE_CHANGE / 4;

// Opens a regular file for reading; false with the reason in *problem.
bool openRegularFile(const std::filesystem::path& path, std::ifstream& file, std::string* problem)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status))
        *problem = "no such file";
    else if (!std::filesystem::is_regular_file(status))
        *problem = "not a regular file";
    else
        file.open(path, std::ios::binary);
    if (problem->empty() && !file.is_open())
        *problem = "cannot read it";
    return problem->empty();
}

// The bytes of a regular file, or nullopt with the reason in *problem.
std::optional<std::string> readWholeFile(const std::filesystem::path& path, std::string* problem)
{
    std::ifstream file;
    if (!openRegularFile(path, file, problem))
        return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) {
        *problem = "cannot read it";
        return std::nullopt;
    }
    return bytes;
}

bool isHex(const Token& token)
{
    return token.kind == Token::Kind::Atom && token.text == "hex";
}

std::optional<int64_t> parseInteger(const std::string& text)
{
    size_t pos = text[0] == '-' ? 1 : 0;
    const bool hex = text.size() > pos + 2 && text[pos] == '0' && (text[pos + 1] == 'x' || text[pos + 1] == 'X');
    const int base = hex ? 16 : 10;
    pos += hex ? 2 : 0;
    if (pos == text.size())
        return std::nullopt;
    int64_t value = 0;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        const int digit = c >= '0' && c <= '9'          ? c - '0'
                          : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : hex && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                        : -1;
        if (digit < 0)
            return std::nullopt;
        value = value * base + digit;
        if (value > kMaxNumber + 1)
            return kMaxNumber + 1; // out of range whatever follows
    }
    return text[0] == '-' ? -value : value;
}

class ListingParser {
public:
    explicit ListingParser(const std::string& name) : file_(name), directory_(std::filesystem::path(name).parent_path())
    {
    }

    // Parses statement by statement: only the document grows with the
    // listing, never its text or its tokens.
    std::unique_ptr<Document> parse(std::istream& text, size_t size)
    {
        document_ = std::make_unique<Document>();
        reserveLists(size);
        StatementLexer lexer(text, file_);
        Statement statement;
        while (lexer.next(statement)) {
            StatementReader reader(statement, file_);
            try {
                parseStatement(reader);
            } catch (const std::length_error& full) {
                reader.failAtEnd(full.what());
            }
        }
        return std::move(document_);
    }

private:
    // Room for as much as a listing of `size` bytes can add to the lists that
    // grow with it: a byte gives at most one text unit, a statement of four
    // bytes or more one change. Lists that never move while they grow are
    // never held twice. Without the room, they grow as they go.
    void reserveLists(size_t size)
    {
        try {
            document_->list(CHLIST_TEXT)->reserve(size * 2);
            document_->list(CHLIST_PROPERTY_TEXT)->reserve(size * 2);
            document_->list(CHLIST_CHANGES)->reserve(size / 4 * CHRECORD_SIZE_CHANGE);
        } catch (const std::exception&) {
        }
    }

    using Handler = std::optional<uint32_t> (ListingParser::*)(StatementReader&);

    void parseStatement(StatementReader& in)
    {
        const Token* label = nullptr;
        if (in.peek().kind == Token::Kind::Atom && in.peek().text[0] == '@') {
            label = &in.take("a label");
            if (!isName(label->text.substr(1)))
                in.fail(*label, "a label is '@' followed by a name");
            if (labels_.count(label->text))
                in.fail(*label, "label " + label->text + " is already defined");
        }
        const std::optional<uint32_t> id = statementBody(in);
        if (label && !id)
            in.fail(*label, "a label needs a statement that adds an item");
        if (label)
            labels_[label->text] = *id;
    }

    // Matches the longest statement name at the start and parses the rest;
    // returns the id of the item the statement adds, if any.
    std::optional<uint32_t> statementBody(StatementReader& in)
    {
        static const std::unordered_map<std::string_view, Handler> specials = {
            {"text", &ListingParser::parseText},          {"property text", &ListingParser::parsePropertyText},
            {"font", &ListingParser::parseFont},          {"record", &ListingParser::parseRecord},
            {"change", &ListingParser::parseChange},      {"option", &ListingParser::parseOption},
            {"object", &ListingParser::parseObject},      {"fail", &ListingParser::parseFailure},
            {"tag track", &ListingParser::parseTagTrack},
        };
        const Token& first = in.take("a statement");
        if (!isWord(first))
            in.fail(first, "expected a statement, found " + describe(first));
        const size_t start = in.position() - 1;
        // The leading words joined by spaces; the first n words end at
        // ends[n - 1]. The names tried are its prefixes, longest first.
        name_.assign(first.text);
        size_t ends[kMaxNameWords] = {name_.size()};
        size_t words = 1;
        for (size_t i = start + 1; i < in.size() && isWord(in.at(i)) && words < kMaxNameWords; ++i) {
            name_ += ' ';
            name_ += in.at(i).text;
            ends[words++] = name_.size();
        }
        for (size_t count = words; count > 0; --count) {
            const std::string_view name(name_.data(), ends[count - 1]);
            const auto special = specials.find(name);
            const ChangeForm* form = findChangeForm(name);
            if (special == specials.end() && !form)
                continue;
            in.seek(start + count);
            return form ? parseForm(in, *form) : (this->*special->second)(in);
        }
        in.fail(first, "unknown statement '" + first.text + "'");
    }

    // --- change statements -------------------------------------------------

    std::optional<uint32_t> parseForm(StatementReader& in, const ChangeForm& form)
    {
        const RecordChange* record = findRecordChange(form.name);
        if (record && (in.atEnd() || isWord(in.peek())))
            return parseRecordChange(in, form, *record);
        std::array<uint32_t, 3> values = form.fixed;
        for (const ChangeArgument& argument : form.arguments) {
            const Token& token = in.takeValueFor(form.name);
            const uint32_t value = argument.style == ArgumentStyle::Switch ? switchValue(in, token) : number(in, token);
            in.checkRange(token, value, *argument.range, form.name);
            values[argument.value - 1] = value;
        }
        in.expectEnd();
        return document_->appendChange(form.type, values[0], values[1], values[2]);
    }

    // The change with the record given by its fields: the record is appended
    // and its id goes to the change.
    std::optional<uint32_t> parseRecordChange(StatementReader& in, const ChangeForm& form, const RecordChange& record)
    {
        std::array<uint32_t, 3> values = form.fixed;
        const std::vector<uint8_t> bytes = recordFields(in).parse(*record.record, &record, values);
        values[record.idValue - 1] = append(record.record->listType, bytes);
        return document_->appendChange(form.type, values[0], values[1], values[2]);
    }

    std::optional<uint32_t> parseChange(StatementReader& in)
    {
        uint32_t words[kChangeWords] = {};
        words[0] = number(in, in.take("a change type"));
        for (size_t i = 1; !in.atEnd(); ++i) {
            if (i == kChangeWords)
                in.fail(in.peek(), "a change has a type and at most three values");
            words[i] = number(in, in.take("a value"));
        }
        return document_->appendChange(words[0], words[1], words[2], words[3]);
    }

    std::optional<uint32_t> parseText(StatementReader& in)
    {
        const std::vector<uint16_t> units = unitsOf(in);
        const uint32_t id = appendUnits(CHLIST_TEXT, units);
        return document_->appendChange(CHCHANGE_TEXT, id, static_cast<uint32_t>(units.size()), 0);
    }

    std::optional<uint32_t> parsePropertyText(StatementReader& in)
    {
        const std::vector<uint16_t> units = unitsOf(in);
        const uint32_t id = appendUnits(CHLIST_PROPERTY_TEXT, units);
        return document_->appendChange(CHCHANGE_PROPERTY_TEXT, id, 0, static_cast<uint32_t>(units.size()));
    }

    // --- side lists ----------------------------------------------------------

    std::optional<uint32_t> parseFont(StatementReader& in)
    {
        const uint32_t fontId = number(in, in.take("a font id"));
        in.expectKeyword("charset");
        const uint32_t characterSet = number(in, in.take("a character set"));
        const std::vector<uint16_t> name = unitsOf(in);
        const uint32_t nameId = appendUnits(CHLIST_PROPERTY_TEXT, name);
        std::vector<uint8_t> record;
        for (const uint32_t word : {fontId, 0u, nameId, static_cast<uint32_t>(name.size()), characterSet})
            appendNumber(record, word, 4, WordOrder::Native);
        return append(CHLIST_FONTS, record);
    }

    std::optional<uint32_t> parseRecord(StatementReader& in)
    {
        if (!in.atEnd() && isWord(in.peek()))
            return parseRecordForm(in);
        const Token& listToken = in.take("a list type");
        const ListLayout* layout = findListLayout(number(in, listToken));
        if (!layout)
            in.fail(listToken, "no such list: the lists are 0, 2, 3, 9, 10, 11, 12, 13 and 16");
        std::vector<uint8_t> bytes;
        while (!in.atEnd()) {
            const Token& token = in.take("a value");
            if (token.kind == Token::Kind::String && layout->numberSize == 2) {
                for (const uint16_t unit : toUnits(token.value))
                    appendNumber(bytes, unit, 2, layout->order);
            } else if (isHex(token) && layout->order == WordOrder::BigEndian) {
                hexBytes(in, bytes, layout);
            } else {
                const uint32_t value = number(in, token);
                if (layout->numberSize == 2 && value > kMaxUnit)
                    in.fail(token, "a unit of a text list is at most 0xFFFF");
                appendNumber(bytes, value, layout->numberSize, layout->order);
            }
            checkRecordLength(in, token, *layout, bytes);
        }
        if (layout->units() && bytes.size() % 2 != 0)
            in.failAtEnd("data records take whole 16-bit units: an even number of bytes");
        if (!layout->units())
            bytes.resize(layout->recordSize);
        return append(layout->type, bytes);
    }

    // `tag track TAG ID change CHANGE`: the tag track item saying which change
    // begins the tag of that type (a tag name or a number) and id.
    std::optional<uint32_t> parseTagTrack(StatementReader& in)
    {
        uint32_t type = 0;
        if (!in.atEnd() && isWord(in.peek())) {
            size_t length = 0;
            const TagName* tag = in.longestMatch(tagNames(), &length);
            if (!tag)
                in.fail(in.peek(), "unknown tag " + describe(in.peek()) + "; a tag is named as in its begin statement");
            in.seek(in.position() + length);
            type = tag->type;
        } else {
            type = number(in, in.take("a tag type"));
        }
        const uint32_t id = number(in, in.take("a tag id"));
        in.expectKeyword("change");
        const uint32_t change = number(in, in.take("the id of the change that begins the tag"));
        in.expectEnd();
        std::vector<uint8_t> record;
        for (const uint32_t word : {change, id, type})
            appendNumber(record, word, 4, WordOrder::Native);
        return append(CHLIST_TAG_TRACKS, record);
    }

    // `record KIND FIELDS...`: a record given by its fields.
    std::optional<uint32_t> parseRecordForm(StatementReader& in)
    {
        size_t length = 0;
        const RecordForm* form = in.longestMatch(recordForms(), &length);
        if (!form)
            in.fail(in.peek(), "unknown record " + describe(in.peek()) + "; the records are " + recordNames());
        in.seek(in.position() + length);
        std::array<uint32_t, 3> unused{};
        return append(form->listType, recordFields(in).parse(*form, nullptr, unused));
    }

    // --- options, objects, failures -------------------------------------------

    std::optional<uint32_t> parseOption(StatementReader& in)
    {
        const Token& idToken = in.take("an option id");
        const uint32_t id = number(in, idToken);
        if (document_->option(id))
            in.fail(idToken, "option " + std::to_string(id) + " is already set");
        std::vector<uint8_t> bytes;
        if (in.atEnd())
            in.failAtEnd("expected the option's value");
        while (!in.atEnd()) {
            const Token& token = in.take("a value");
            if (token.kind == Token::Kind::String) {
                const std::optional<std::vector<uint8_t>> text = toUtf8Bytes(token.value);
                if (!text)
                    in.fail(token, "an option string cannot hold a lone surrogate");
                bytes.insert(bytes.end(), text->begin(), text->end());
                bytes.push_back(0);
            } else if (isHex(token)) {
                hexBytes(in, bytes);
            } else {
                appendNumber(bytes, number(in, token), 4, WordOrder::Native);
            }
        }
        document_->setOption(id, std::move(bytes));
        return std::nullopt;
    }

    std::optional<uint32_t> parseObject(StatementReader& in)
    {
        const Token& firstToken = in.take("the object's first number");
        const ObjectKey key{number(in, firstToken), number(in, in.take("the object's second number"))};
        std::vector<uint8_t> bytes;
        if (in.takeKeyword("file")) {
            const Token& path = in.take("a file name");
            if (path.kind != Token::Kind::String)
                in.fail(path, "expected a quoted file name");
            bytes = readObjectFile(in, path);
            in.expectEnd();
        } else if (in.takeKeyword("hex")) {
            hexBytes(in, bytes);
        } else {
            in.failAtEnd("expected 'file \"name\"' or 'hex' and the object's bytes");
        }
        if (!document_->addObject(key, std::move(bytes)))
            in.fail(firstToken,
                    "object " + std::to_string(key.first) + " " + std::to_string(key.second) + " is already defined");
        return std::nullopt;
    }

    std::optional<uint32_t> parseFailure(StatementReader& in)
    {
        const Token& service = in.take("a service name");
        InjectedFailure failure;
        failure.service = service.text;
        const auto& services = failureServices();
        const bool known = std::find(services.begin(), services.end(), service.text) != services.end();
        if (service.kind != Token::Kind::Atom || !known)
            in.fail(service, "unknown service " + describe(service) + "; failures apply to " + serviceList());
        if (in.takeKeyword("list"))
            failure.list = number(in, in.take("a list type"));
        if (in.takeKeyword("item"))
            failure.item = number(in, in.take("an item id or index"));
        in.expectKeyword("code");
        failure.code = static_cast<TRXERR>(number(in, in.take("an error code")));
        in.expectEnd();
        document_->addFailure(std::move(failure));
        return std::nullopt;
    }

    // --- values ------------------------------------------------------------------

    uint32_t number(StatementReader& in, const Token& token) const
    {
        if (token.kind != Token::Kind::Atom)
            in.fail(token, "expected a number, found a string");
        if (token.text[0] == '@') {
            const auto found = labels_.find(token.text);
            if (found == labels_.end())
                in.fail(token, "unknown label " + token.text + " (labels are defined before they are used)");
            return found->second;
        }
        const std::optional<int64_t> value = parseInteger(token.text);
        if (!value)
            in.fail(token, "expected a number, found " + describe(token));
        if (*value < kMinNumber || *value > kMaxNumber)
            in.fail(token, "number out of range: 32 bits, signed or unsigned");
        return static_cast<uint32_t>(*value);
    }

    uint32_t switchValue(StatementReader& in, const Token& token) const
    {
        const std::string_view text = token.text;
        if (token.kind == Token::Kind::Atom && (text == "on" || text == "off"))
            return text == "on" ? 1 : 0;
        return number(in, token);
    }

    RecordFieldParser recordFields(StatementReader& in) const
    {
        return RecordFieldParser(in, [this, &in](const Token& token) { return number(in, token); });
    }

    std::vector<uint16_t> unitsOf(StatementReader& in) const
    {
        const Token& token = in.take("a quoted string");
        if (token.kind != Token::Kind::String)
            in.fail(token, "expected a quoted string, found " + describe(token));
        in.expectEnd();
        return toUnits(token.value);
    }

    // Reads every remaining token as hex digits, two per byte, into a record
    // of the layout if one is given.
    void hexBytes(StatementReader& in, std::vector<uint8_t>& bytes, const ListLayout* layout = nullptr) const
    {
        while (!in.atEnd()) {
            const Token& token = in.take("hex digits");
            const std::string& digits = token.text;
            const bool valid = token.kind == Token::Kind::Atom && digits.size() % 2 == 0 &&
                               digits.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos;
            if (!valid)
                in.fail(token, "expected hex digits, two per byte, found " + describe(token));
            for (size_t i = 0; i < digits.size(); i += 2)
                bytes.push_back(static_cast<uint8_t>(std::stoul(digits.substr(i, 2), nullptr, 16)));
            if (layout)
                checkRecordLength(in, token, *layout, bytes);
        }
    }

    static void checkRecordLength(const StatementReader& in, const Token& token, const ListLayout& layout,
                                  const std::vector<uint8_t>& bytes)
    {
        if (!layout.units() && bytes.size() > layout.recordSize)
            in.fail(token, "too long: a " + std::string(layout.name) + " record has " +
                               std::to_string(layout.recordSize) + " bytes");
    }

    std::vector<uint8_t> readObjectFile(StatementReader& in, const Token& path) const
    {
        const std::optional<std::vector<uint8_t>> name = toUtf8Bytes(path.value);
        if (!name)
            in.fail(path, "a file name cannot hold a lone surrogate");
        const std::filesystem::path relative(std::string(name->begin(), name->end()));
        const std::filesystem::path full = relative.is_absolute() ? relative : directory_ / relative;
        std::string problem;
        const std::optional<std::string> bytes = readWholeFile(full, &problem);
        if (!bytes)
            in.fail(path, "cannot read " + full.string() + ": " + problem);
        return std::vector<uint8_t>(bytes->begin(), bytes->end());
    }

    // The text lists hold native 16-bit units: the units are their records.
    uint32_t appendUnits(uint32_t listType, const std::vector<uint16_t>& units)
    {
        return document_->list(listType)->append(reinterpret_cast<const uint8_t*>(units.data()),
                                                 units.size() * sizeof(uint16_t));
    }

    uint32_t append(uint32_t listType, const std::vector<uint8_t>& records)
    {
        return document_->list(listType)->append(records);
    }

    static std::string recordNames()
    {
        std::string names;
        for (const RecordForm& form : recordForms())
            names += (names.empty() ? "" : ", ") + form.name;
        return names;
    }

    static std::string serviceList()
    {
        std::string names;
        for (const std::string& service : failureServices())
            names += (names.empty() ? "" : ", ") + service;
        return names;
    }

    // No statement name has more words.
    static constexpr size_t kMaxNameWords = 7;

    std::string file_;
    std::filesystem::path directory_;
    std::unique_ptr<Document> document_;
    std::map<std::string, uint32_t> labels_;
    // The statement name being looked up, kept for its room.
    std::string name_;
};

} // namespace

// A fault of the whole file (line 0: it cannot be read, memory ran out) has
// no position to name.
ListingError::ListingError(const std::string& file, unsigned line, unsigned column, const std::string& message)
    : std::runtime_error(file + (line == 0 ? "" : ":" + std::to_string(line) + ":" + std::to_string(column)) + ": " +
                         message),
      line_(line), column_(column)
{
}

namespace {

std::unique_ptr<Document> parseStream(std::istream& text, size_t size, const std::string& name)
{
    try {
        return ListingParser(name).parse(text, size);
    } catch (const std::bad_alloc&) {
        throw ListingError(name, 0, 0, "out of memory");
    }
}

} // namespace

std::unique_ptr<Document> parseListing(const std::string& text, const std::string& name)
{
    std::istringstream stream(text);
    return parseStream(stream, text.size(), name);
}

std::unique_ptr<Document> loadListing(const std::string& path)
{
    std::string problem;
    std::ifstream file;
    if (!openRegularFile(path, file, &problem))
        throw ListingError(path, 0, 0, "cannot read the file: " + problem);
    std::error_code error;
    const uintmax_t size = std::filesystem::file_size(path, error);
    return parseStream(file, error ? 0 : static_cast<size_t>(size), path);
}

} // namespace trxhost
