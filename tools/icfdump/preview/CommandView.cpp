#include "CommandView.h"

#include "../DisplayText.h"
#include "../ParameterForms.h"
#include "../TextDecoder.h"

#include <charconv>

namespace icfdump::preview {

std::string decodedText(const Sequence& items)
{
    std::string characters;
    for (const Piece& piece : TextDecoder(true).pieces(items))
        characters += piece.command ? "<" + displayName(piece.command->text) + ">" : piece.characters;
    return characters;
}

namespace {

// The digits of a parameter that is one plain text, read in `base`; null
// for anything else (a '-' is read only into a signed number).
template <typename Number>
std::optional<Number> readNumber(const Item& command, size_t index, int base)
{
    if (index >= command.parameters.size())
        return std::nullopt;
    const Sequence& items = command.parameters[index].items;
    if (items.size() != 1 || items[0].kind != Item::Kind::Text || items[0].text.empty())
        return std::nullopt;
    const std::string& digits = items[0].text;
    Number value{};
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value, base);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<long> CommandView::decimal(size_t index) const
{
    return readNumber<long>(command_, index, 10);
}

std::optional<unsigned long> CommandView::hexadecimal(size_t index) const
{
    constexpr int kHexadecimal = 16;
    return readNumber<unsigned long>(command_, index, kHexadecimal);
}

std::string CommandView::text(size_t index) const
{
    return index < command_.parameters.size() ? decodedText(command_.parameters[index].items) : std::string();
}

std::string CommandView::listingForm() const
{
    std::string line = displayName(command_.text);
    for (size_t i = 0; i < command_.parameters.size(); ++i) {
        const Sequence& items = command_.parameters[i].items;
        const bool plain = items.empty() || (items.size() == 1 && items[0].kind == Item::Kind::Text);
        line += ' ';
        if (plain) {
            line += parameterForm(command_, i, items.empty() ? std::string_view() : items[0].text);
        } else {
            line += '"' + text(i) + '"';
        }
    }
    if (!command_.body.items.empty())
        line += " {" + decodedText(command_.body.items) + "}";
    return line;
}

} // namespace icfdump::preview
