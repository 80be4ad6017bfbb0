// The character formatting of a span, as the importers give it whole with
// every span, and the attribute changes that lead from one span's
// formatting to the next one's.
#pragma once

#include <librevenge/librevenge.h>

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace frontends {

struct CharacterState {
    // The host attribute codes (CHATTR_*, each below kAttributeCodes) that
    // are on.
    static constexpr std::size_t kAttributeCodes = 64;
    std::bitset<kAttributeCodes> attributes;
    // Empty, and 0: the span does not say, and what was chosen before stays.
    std::string fontName;
    uint32_t fontSize = 0; // half points

    // Reads bold, italic, underline (single or double), strike-out (single
    // or double), the font name and size of a span's properties.
    static CharacterState ofSpan(const librevenge::RVNGPropertyList& properties);
};

// One attribute switched on or off.
struct AttributeSwitch {
    uint32_t attribute;
    bool on;
};

// The switches that turn `from`'s attributes into `to`'s: those to switch
// off first, so that a double underline replacing a single one ends on.
std::vector<AttributeSwitch> attributeSwitches(const CharacterState& from, const CharacterState& to);

} // namespace frontends
