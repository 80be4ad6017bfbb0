// Error messages: each is one line on standard error, "icfexport: ...".
#pragma once

#include <iostream>

namespace icfexport {

// Starts an error message; the caller writes the rest and the newline.
inline std::ostream& reportError()
{
    return std::cerr << "icfexport: ";
}

} // namespace icfexport
