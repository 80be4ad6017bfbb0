// One measured export: a generated document of a given size converted by
// the filter in a child process of its own, so that the child's peak
// resident memory belongs to that size alone.
#pragma once

#include "trxhost/SyntheticDocument.h"

#include <cstdint>
#include <stdexcept>
#include <string>

namespace icfbench {

// A size could not be measured; what() says why.
class MeasurementError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Measurement {
    uint32_t count = 0;         // paragraphs, table rows, list items or runs
    uint64_t changeRecords = 0; // in the document, all read by the filter
    uint64_t icfBytes = 0;      // of the output file
    double seconds = 0;         // wall time of the export alone: open, write and close
    double cpuSeconds = 0;      // processor time (user and system) of the same
    uint64_t peakResidentBytes = 0;
    uint64_t allocations = 0; // heap allocations of the export alone (see AllocationCount.h)
};

// Exports a generated document of `count` paragraphs or table rows with the
// filter at `filterPath` into `outputPath`. Throws MeasurementError.
Measurement measureExport(trxhost::SyntheticWorkload workload, uint32_t count, const std::string& filterPath,
                          const std::string& outputPath);

} // namespace icfbench
