// Turns a listing back into the ICF bytes it shows: the inverse of the raw
// listing (the one made without decoded text and offsets), so that
// assembleIcf(joinLines(listIcf(decodeIcf(bytes), {}))) == bytes for every
// well-formed stream. Tests write the ICF they expect as such a listing.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace icfdump {

// A listing that shows no well-formed ICF stream. what() reads
// "line N: message", with N counted from 1.
class AssemblyError : public std::runtime_error {
public:
    AssemblyError(size_t line, const std::string& message);
    size_t line() const { return line_; }

private:
    size_t line_;
};

// Reads every form the listing writes. Beyond them, blank lines and spaces
// at the end of a line are ignored, and text lines that follow each other
// make one text run (so a long text may be split over several lines).
// Throws AssemblyError.
std::string assembleIcf(std::string_view listing);

} // namespace icfdump
