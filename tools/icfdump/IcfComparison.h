// Compares two ICF streams and says how they differ, for tests that check
// ICF output byte for byte.
#pragma once

#include <string>
#include <string_view>

namespace icfdump {

// Empty when the bytes are equal. Otherwise the line difference of the two
// raw listings; a stream with a syntax fault has the line "!! " and the
// fault at the end of its listing. When the listings agree (both streams
// break at the same fault and differ only after it), one line names the
// offset of the first differing byte.
std::string icfDifference(std::string_view expected, std::string_view actual);

} // namespace icfdump
