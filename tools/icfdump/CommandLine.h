// The command line of icfdump: the input and how to list it.
#pragma once

#include "IcfListing.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace icfdump {

// A command line that cannot be run; what() says why.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct CommandLine {
    enum class Action { Dump, Help, Version };
    Action action = Action::Dump;
    std::string input; // "-": standard input
    ListingOptions listing;
};

// Parses the arguments after the program name. Throws UsageError.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// The text --help prints: every flag and every exit status.
std::string helpText();

} // namespace icfdump
