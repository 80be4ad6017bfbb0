// Error messages: each is one line on standard error, "icfexport: ...".
#pragma once

#include "common/ErrorReport.h"

namespace icfexport {

constexpr char kToolName[] = "icfexport";

// Starts an error message; the caller writes the rest and the newline.
inline std::ostream& reportError()
{
    return tools::reportError(kToolName);
}

} // namespace icfexport
