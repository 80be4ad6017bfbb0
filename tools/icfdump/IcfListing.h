// Renders a decoded ICF stream as a listing: one line per command or text,
// what a command holds indented under it.
#pragma once

#include "IcfDecoder.h"

#include <string>
#include <vector>

namespace icfdump {

struct ListingOptions {
    bool decodeText = false;  // texts as characters instead of raw bytes and escapes
    bool showOffsets = false; // each line starts with the offset of what it shows
};

// A command is its name and its parameters on one line. A parameter that is
// more than one text (a string with escapes in it, or commands) is shown as
// #N on that line and, under it, as the line "#N:" with its content indented
// below. The body of a command (what stands between its last parameter and
// its terminator) follows, indented one step. Texts are quoted.
std::vector<std::string> listIcf(const IcfStream& stream, const ListingOptions& options);

// The lines, each ended by a line feed.
std::string joinLines(const std::vector<std::string>& lines);

} // namespace icfdump
