// The error a tool's command line parser throws for a command line it cannot run.
#pragma once

#include <stdexcept>

namespace tools {

// A command line that cannot be run; what() says why.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace tools
