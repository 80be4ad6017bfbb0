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

std::optional<unsigned long> CommandView::number(size_t index, int base) const
{
    if (index >= command_.parameters.size())
        return std::nullopt;
    const Sequence& items = command_.parameters[index].items;
    if (items.size() != 1 || items[0].kind != Item::Kind::Text)
        return std::nullopt;
    std::string_view digits = items[0].text;
    const bool negative = base == 10 && !digits.empty() && digits[0] == '-';
    if (negative)
        digits.remove_prefix(1);
    unsigned long value = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value, base);
    if (digits.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return negative ? static_cast<unsigned long>(-static_cast<long>(value)) : value;
}

std::optional<long> CommandView::decimal(size_t index) const
{
    const std::optional<unsigned long> value = number(index, 10);
    return value ? std::optional<long>(static_cast<long>(*value)) : std::nullopt;
}

std::optional<unsigned long> CommandView::hexadecimal(size_t index) const
{
    return number(index, 16);
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
