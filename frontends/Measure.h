// Lengths as the importers give them (inches, points or twips, each property
// with its unit) turned into the host's twips and half points.
#pragma once

#include <librevenge/librevenge.h>

#include <cstdint>
#include <optional>
#include <string>

namespace frontends {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kTwipsPerPoint = 20.0;
// The host gives font sizes in half points: ten twips each.
constexpr double kTwipsPerHalfPoint = 10.0;

// The property's length in twips, rounded to the nearest; nothing when the
// property is missing, is not a length (a percentage, a bare number) or is
// negative or beyond 32 bits.
std::optional<uint32_t> twipsOf(const librevenge::RVNGProperty* property);

// The property's length in twips, rounded to the nearest, as twipsOf but
// also when negative (an indent into the margin, an offset); nothing
// beyond 32 bits with sign.
std::optional<int32_t> signedTwipsOf(const librevenge::RVNGProperty* property);

// A length written as text with its unit ("0.0138in", "1pt", "20twip") in
// twips, as twipsOf; nothing for text that is not such a length.
std::optional<uint32_t> twipsOfText(const std::string& text);

// The property's length in half points, rounded to the nearest, as twipsOf.
std::optional<uint32_t> halfPointsOf(const librevenge::RVNGProperty* property);

} // namespace frontends
