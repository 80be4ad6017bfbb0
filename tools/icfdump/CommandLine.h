// The command line of icfdump: the input and how to list it.
#pragma once

#include "IcfListing.h"
#include "common/UsageError.h"

#include <string>
#include <vector>

namespace icfdump {

using tools::UsageError;

struct CommandLine {
    enum class Action { Dump, Help, Version };
    Action action = Action::Dump;
    std::string input; // "-": standard input
    ListingOptions listing;
    bool assemble = false; // the input is a listing: write the ICF it shows
    bool html = false;     // write the HTML preview of the input
    std::string output;    // --html: the page's file; empty: standard output
};

// Parses the arguments after the program name. Throws UsageError.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// The text --help prints: every flag and every exit status.
std::string helpText();

} // namespace icfdump
