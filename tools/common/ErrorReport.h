// Error messages of the tools: each is one line on standard error, "<tool>: ...".
#pragma once

#include <iostream>

namespace tools {

// Starts an error message of `tool`; the caller writes the rest and the newline.
inline std::ostream& reportError(const char* tool)
{
    return std::cerr << tool << ": ";
}

} // namespace tools
