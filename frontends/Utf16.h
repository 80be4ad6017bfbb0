// The importers give text as UTF-8; the host's text lists hold UTF-16 units.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace frontends {

// Appends the UTF-16 units of UTF-8 `text` to `units`. A byte that starts
// no valid sequence (a stray continuation byte, a cut or overlong sequence,
// a surrogate's code) becomes U+FFFD, and reading goes on after it.
void appendUtf16(const std::string& text, std::vector<uint16_t>& units);

} // namespace frontends
