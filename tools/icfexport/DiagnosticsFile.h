// The diagnostics file icfexport asks the filter for (DAOPT_DIAGNOSTICS_FILE):
// an empty temporary file that the filter fills during one export and that is
// read back and removed afterwards.
#pragma once

#include "TemporaryFile.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace icfexport {

// What the filter wrote into the file.
struct Diagnostics {
    // The reasons of the failures, in the order they happened.
    std::vector<std::string> failures;
    // The number of changes of each type that reached no handler.
    std::map<uint32_t, uint64_t> unhandledChanges;
};

class DiagnosticsFile {
public:
    // Creates the file in the temporary directory. Throws
    // std::system_error when it cannot.
    DiagnosticsFile();

    // The option's value: the path with its terminating zero byte.
    std::vector<uint8_t> optionValue() const;
    // Reads what the filter wrote; lines of other forms are skipped.
    Diagnostics read() const;

private:
    TemporaryFile file_;
};

// "2 (3 times), 300 (1 time)".
std::string describeUnhandledChanges(const std::map<uint32_t, uint64_t>& unhandledChanges);

} // namespace icfexport
