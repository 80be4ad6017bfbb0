// The command line of icfexport: what to convert into which files, the
// filter to load, and the export options the flags set.
#pragma once

#include "common/UsageError.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace icfexport {

using tools::UsageError;

// One input (a listing or a word-processing file) and the file it becomes:
// its ICF, or with --to-listing its listing.
struct Job {
    std::string input;
    std::string output;
    // Whether the output's folder mirrors the input's folder under
    // --output-dir, and is made when missing.
    bool mirrored = false;
};

struct CommandLine {
    enum class Action { Convert, Help, Version };
    Action action = Action::Convert;
    std::vector<Job> jobs;
    // How many documents convert at once, each in a worker process of its
    // own; 0 before parsing chooses the number of cores.
    unsigned workerCount = 0;
    // A document's worker still running after this many seconds is killed;
    // 0: no limit.
    unsigned timeoutSeconds = 0;
    // --report: the JSON lines file, one line per document; empty: none.
    std::string reportPath;
    // --skip-existing: an output not older than its input is left as it is.
    bool skipExisting = false;
    // --quiet: no progress line and no summary.
    bool quiet = false;
    // --to-listing: the one job writes the input's document as a listing
    // instead of exporting it, and no filter is loaded.
    bool toListing = false;
    // Empty: the filter installed beside the program.
    std::string filterPath;
    // Whether a change type that reached no handler fails the input.
    bool strict = false;
    // The two values handed to the filter with VwSetUser.
    uintptr_t user1 = 0;
    uintptr_t user2 = 0;
    // Export options by DAOPT_* id; they override the listing's own.
    std::map<uint32_t, uint32_t> numericOptions;
    std::map<uint32_t, std::vector<uint8_t>> listOptions;
};

// Parses the arguments after the program name. Throws UsageError.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// The text --help prints: every flag and every exit status.
std::string helpText();

} // namespace icfexport
