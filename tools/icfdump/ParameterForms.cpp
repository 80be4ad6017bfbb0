#include "ParameterForms.h"

#include "DisplayText.h"
#include "HexDigit.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <utility>
#include <vector>

namespace icfdump {

namespace {

constexpr size_t kToLast = SIZE_MAX;

// Positions count from 1, ranges include both ends.
struct HexPositions {
    const char* name;
    std::vector<std::pair<size_t, size_t>> ranges;
};

// The commands with hexadecimal parameters at fixed positions. "BRO" is not
// here: its hexadecimal border codes follow its first three parameters, one
// per cell, as many as the first parameter says.
const std::vector<HexPositions>& hexPositions()
{
    static const std::vector<HexPositions> table = {
        {"HEX", {{1, 1}}},           {"XCS", {{2, 2}}},
        {"DID", {{3, 3}}},           {"FNI", {{1, 1}}},
        {"FNT", {{1, 9}, {12, 12}}}, {"HF1", {{1, 1}}},
        {"HF2", {{1, 1}}},           {"HFX", {{2, 2}}},
        {"CDS", {{1, 1}}},           {"XRF", {{1, 1}}},
        {"BMT", {{1, 1}}},           {"EMT", {{1, 1}}},
        {"KEP", {{6, 6}}},           {"APO", {{15, 15}}},
        {"PBC", {{1, 1}, {3, 6}}},   {"SHD", {{3, 5}, {7, 9}, {11, 16}}},
        {"NTB", {{1, 92}}},          {"DTF", {{1, kToLast}}},
    };
    return table;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isDecimal(std::string_view text)
{
    const bool negative = !text.empty() && text[0] == '-';
    const std::string_view digits = negative ? text.substr(1) : text;
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), isDigit))
        return false;
    return digits == "0" ? !negative : digits[0] != '0';
}

bool isPaddedHex(std::string_view text)
{
    const bool paddedWidth = text.size() == 2 || text.size() == 4 || text.size() == 8;
    // Lower-case digits only, as the writer writes them.
    return paddedWidth && std::all_of(text.begin(), text.end(), [](char c) {
               const int value = hexValue(c);
               return value >= 0 && hexDigit(static_cast<unsigned>(value)) == c;
           });
}

// The cell count of a "BRO" command, or 0 when its first parameter is not one.
size_t cellCount(const Item& row)
{
    if (row.parameters.empty() || row.parameters[0].items.size() != 1)
        return 0;
    const std::string& text = row.parameters[0].items[0].text;
    size_t count = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    return error == std::errc() && end == text.data() + text.size() ? count : 0;
}

} // namespace

bool isHexParameter(const Item& command, size_t index)
{
    const size_t position = index + 1;
    if (command.text == "BRO")
        return position >= 4 && position - 4 < cellCount(command);
    for (const HexPositions& entry : hexPositions()) {
        if (command.text != entry.name)
            continue;
        return std::any_of(entry.ranges.begin(), entry.ranges.end(), [position](const auto& range) {
            return position >= range.first && position <= range.second;
        });
    }
    return false;
}

std::string parameterForm(const Item& command, size_t index, std::string_view text)
{
    if (isHexParameter(command, index) && isHexDigits(text))
        return "0x" + std::string(text);
    if (isDecimal(text))
        return std::string(text);
    if (isPaddedHex(text))
        return "0x" + std::string(text);
    return quoteBytes(text);
}

} // namespace icfdump
