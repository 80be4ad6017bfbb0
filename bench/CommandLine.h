// The command line of icfbench: the sizes to measure and where to write.
#pragma once

#include "common/UsageError.h"
#include "trxhost/SyntheticDocument.h"

#include <cstdint>
#include <string>
#include <vector>

namespace icfbench {

using tools::UsageError;

struct CommandLine {
    enum class Action { Measure, WriteListing, Help, Version };
    Action action = Action::Measure;
    std::vector<uint32_t> sizes = {10'000, 100'000, 1'000'000};         // paragraphs per document
    std::vector<uint32_t> tableRows = {100'000, 1'000'000};             // rows of four cells per table document
    std::vector<uint32_t> listParagraphs = {100'000, 1'000'000};        // numbered paragraphs per list document
    std::vector<uint32_t> paragraphRuns = {10'000, 100'000, 1'000'000}; // text runs in a one-paragraph document
    std::string outputDirectory; // empty: a temporary directory, removed at the end
    std::string filterPath;      // empty: the filter beside the program
    // WriteListing: the generated document written as a listing instead.
    trxhost::SyntheticWorkload listingWorkload = trxhost::SyntheticWorkload::Paragraphs;
    uint32_t listingCount = 0;
    std::string listingPath;
};

// Parses the arguments after the program name. Throws UsageError.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// The text --help prints: every flag and every exit status.
std::string helpText();

} // namespace icfbench
