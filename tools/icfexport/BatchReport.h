// The record of a run: for each document how its conversion ended, written
// as a JSON line to the --report file as soon as it is known (flushed, so
// that a run that is stopped keeps the lines of the documents it finished),
// and the counts for the summary on standard error.
#pragma once

#include "ExitStatus.h"
#include "trx/platform.h"

#include <cstdint>
#include <fstream>
#include <optional>
#include <string>

namespace icfexport {

struct DocumentOutcome {
    std::string input;
    std::string output;
    ExitStatus status = ExitStatus::Ok;
    bool skipped = false;
    // With ExitStatus::WorkerEnded: killed after --timeout, not crashed.
    bool timedOut = false;
    // The host code of a failed export.
    std::optional<TRXERR> hostCode;
    // Why it failed, or the warnings of a success; empty when none.
    std::string reason;
    // The output's size, once written.
    std::optional<uint64_t> bytes;
    double seconds = 0;
};

// The status word of the report: "converted", "skipped", "unreadable",
// "export-failed", "crashed", "timed-out", ...
const char* statusName(const DocumentOutcome& outcome);

class BatchReport {
public:
    // `path` empty: no report file. Throws std::system_error when the file
    // cannot be created.
    explicit BatchReport(const std::string& path);

    void add(const DocumentOutcome& outcome);
    // Whether every line reached the file.
    bool written() const { return !file_.is_open() || file_.good(); }

    size_t converted() const { return converted_; }
    size_t skipped() const { return skipped_; }
    size_t failed() const { return failed_; }
    // "N converted, M failed, T s" (and ", K skipped" when some were).
    std::string summary(double seconds) const;

private:
    std::ofstream file_;
    size_t converted_ = 0;
    size_t skipped_ = 0;
    size_t failed_ = 0;
};

} // namespace icfexport
