#include "TextDecoder.h"

#include "HexDigit.h"

#include <charconv>
#include <optional>

namespace icfdump {

namespace {

constexpr unsigned char kPlaceholder = '_';

// The text of a parameter that holds nothing but text ("" when empty), or null.
const std::string* plainText(const Segment& segment)
{
    static const std::string kEmpty;
    if (segment.items.empty())
        return &kEmpty;
    if (segment.items.size() == 1 && segment.items[0].kind == Item::Kind::Text)
        return &segment.items[0].text;
    return nullptr;
}

std::optional<unsigned long> number(const Segment& segment, int base)
{
    const std::string* text = plainText(segment);
    if (!text || text->empty())
        return std::nullopt;
    unsigned long value = 0;
    const char* end = text->data() + text->size();
    const auto [stop, error] = std::from_chars(text->data(), end, value, base);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

std::optional<unsigned long> decimal(const Segment& segment)
{
    return number(segment, 10);
}

// One or two hexadecimal digits.
std::optional<unsigned char> hexByte(const Segment& segment)
{
    const std::string* text = plainText(segment);
    if (!text || text->size() > 2)
        return std::nullopt;
    const std::optional<unsigned long> value = number(segment, 16);
    return value ? std::optional<unsigned char>(static_cast<unsigned char>(*value)) : std::nullopt;
}

// Collects one decoded piece of text, item by item.
class DecodedText {
public:
    explicit DecodedText(CodePages& codePages) : codePages_(codePages) {}

    // False when `item` is a command that is not a text escape.
    bool absorb(const Item& item)
    {
        bool absorbed = true;
        if (item.kind == Item::Kind::Text) {
            absorbText(item.text);
        } else {
            placeholderDue_ = false;
            absorbed = absorbEscape(item);
        }
        if (absorbed && !offset_)
            offset_ = item.offset;
        return absorbed;
    }

    bool started() const { return offset_.has_value(); }

    // The piece collected so far; starts the next. An "MBC" switch stays on.
    Piece take()
    {
        Piece piece{*offset_, nullptr, text_.quoted(), text_.plain()};
        text_ = DisplayText();
        offset_.reset();
        return piece;
    }

private:
    void absorbText(std::string_view bytes)
    {
        if (placeholderDue_ && !bytes.empty() && static_cast<unsigned char>(bytes[0]) == kPlaceholder)
            bytes.remove_prefix(1);
        placeholderDue_ = false;
        if (mbcCodeSet_)
            absorbHexDigits(bytes, *mbcCodeSet_);
        else
            text_.asciiBytes(bytes);
    }

    bool absorbEscape(const Item& command)
    {
        const std::vector<Segment>& parameters = command.parameters;
        const bool bodyEmpty = command.body.items.empty();
        if (command.text == "HEX" && parameters.size() == 1 && bodyEmpty)
            return absorbHex(parameters);
        if (command.text == "XCS" && parameters.size() == 2 && bodyEmpty)
            return absorbXcs(parameters);
        if (command.text == "MBC")
            return absorbMbc(command);
        return false;
    }

    bool absorbHex(const std::vector<Segment>& parameters)
    {
        const std::optional<unsigned char> byte = hexByte(parameters[0]);
        if (!byte)
            return false;
        if (*byte < 0x80)
            text_.character(*byte);
        else
            text_.undecodedByte(*byte);
        return true;
    }

    bool absorbXcs(const std::vector<Segment>& parameters)
    {
        const std::optional<unsigned long> codePage = decimal(parameters[0]);
        const std::optional<unsigned char> byte = hexByte(parameters[1]);
        if (!codePage || !byte)
            return false;
        codePages_.decodeByte(*codePage, *byte, text_);
        placeholderDue_ = true;
        return true;
    }

    // "MBC" 1 set 0 switches double-byte text on, "MBC" 0 switches it off,
    // "MBC" 2 set 0 holds its double-byte text as its body.
    bool absorbMbc(const Item& command)
    {
        const std::vector<Segment>& parameters = command.parameters;
        const std::optional<unsigned long> form = parameters.empty() ? std::nullopt : decimal(parameters[0]);
        const std::string* body = plainText(command.body);
        if (!form || !body)
            return false;
        if (parameters.size() == 1 && *form == 0 && body->empty()) {
            mbcCodeSet_.reset();
            return true;
        }
        const std::optional<unsigned long> codeSet = parameters.size() == 3 ? decimal(parameters[1]) : std::nullopt;
        if (!codeSet)
            return false;
        if (*form == 1 && body->empty())
            mbcCodeSet_ = codeSet;
        else if (*form == 2)
            absorbHexDigits(*body, *codeSet);
        else
            return false;
        return true;
    }

    // Pairs of hexadecimal digits are bytes of the code set; anything else
    // in between is shown as it is.
    void absorbHexDigits(std::string_view digits, unsigned long codeSet)
    {
        std::string bytes;
        for (size_t i = 0; i < digits.size();) {
            const int high = hexValue(digits[i]);
            const int low = i + 1 < digits.size() ? hexValue(digits[i + 1]) : -1;
            if (high >= 0 && low >= 0) {
                bytes += static_cast<char>(high << 4 | low);
                i += 2;
                continue;
            }
            codePages_.decodeDoubleByte(codeSet, bytes, text_);
            bytes.clear();
            text_.asciiBytes(digits.substr(i, 1));
            ++i;
        }
        codePages_.decodeDoubleByte(codeSet, bytes, text_);
    }

    CodePages& codePages_;
    DisplayText text_;
    std::optional<size_t> offset_;
    std::optional<unsigned long> mbcCodeSet_; // while an "MBC" switch is on
    bool placeholderDue_ = false;             // after an "XCS"
};

} // namespace

std::vector<Piece> TextDecoder::pieces(const Sequence& items)
{
    std::vector<Piece> result;
    if (!decode_) {
        for (const Item& item : items) {
            if (item.kind == Item::Kind::Text)
                result.push_back(Piece{item.offset, nullptr, quoteBytes(item.text), item.text});
            else
                result.push_back(Piece{item.offset, &item, {}, {}});
        }
        return result;
    }
    DecodedText text(codePages_);
    for (const Item& item : items) {
        if (text.absorb(item))
            continue;
        if (text.started())
            result.push_back(text.take());
        result.push_back(Piece{item.offset, &item, {}, {}});
    }
    if (text.started())
        result.push_back(text.take());
    return result;
}

} // namespace icfdump
