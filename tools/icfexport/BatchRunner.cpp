#include "BatchRunner.h"

#include "BatchReport.h"
#include "DocumentConversion.h"
#include "InputDocument.h"
#include "PendingOutput.h"
#include "Progress.h"
#include "Report.h"
#include "TemporaryFile.h"
#include "WorkerPool.h"
#include "driver/FilterLibrary.h"
#include "driver/FilterSession.h"
#include "trxhost/Document.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <system_error>

namespace icfexport {

namespace {

namespace fs = std::filesystem;

// The lines a worker writes to its result channel, besides the announced
// temporary files.
constexpr char kHostCodeLine[] = "code ";
constexpr char kTemporaryLine[] = "temporary ";

bool newerThan(const struct stat& a, const struct stat& b)
{
    return a.st_mtim.tv_sec != b.st_mtim.tv_sec ? a.st_mtim.tv_sec > b.st_mtim.tv_sec
                                                : a.st_mtim.tv_nsec > b.st_mtim.tv_nsec;
}

// --skip-existing: the output is a file and its input is not newer. File
// times are only as fine as the kernel's clock tick, so an output made in
// the tick its input was written counts as made from it, as make counts it.
bool upToDate(const Job& job)
{
    struct stat input {};
    struct stat output {};
    return job.input != kStandardStream && job.output != kStandardStream && stat(job.input.c_str(), &input) == 0 &&
           stat(job.output.c_str(), &output) == 0 && S_ISREG(output.st_mode) && !newerThan(input, output);
}

// Makes the folders that mirror input folders under --output-dir, and
// checks that each output's folder takes new files, before converting; an
// output written straight or to standard output needs no new file there.
bool outputFoldersReady(const std::vector<Job>& jobs)
{
    for (const Job& job : jobs) {
        if (job.output == kStandardStream || PendingOutput::writesStraight(job.output))
            continue;
        const fs::path directory = fs::path(job.output).parent_path();
        const std::string name = directory.empty() ? "." : directory.string();
        std::error_code error;
        if (job.mirrored && (fs::create_directories(directory, error), error)) {
            reportError() << job.output << ": cannot make " << name << ": " << error.message() << '\n';
            return false;
        }
        if (access(name.c_str(), W_OK) != 0) {
            reportError() << job.output << ": cannot write into " << name << ": " << std::strerror(errno) << '\n';
            return false;
        }
    }
    return true;
}

// Runs in the worker: reads the document and exports it with a session of
// its own; the host code of a failed export goes to the result channel.
int convertInWorker(const Job& job, const CommandLine& commandLine, const icfdriver::FilterLibrary& filter, int results)
{
    TemporaryFile::announceTo(results);
    try {
        const std::unique_ptr<trxhost::Document> document = loadInput(job.input);
        icfdriver::FilterSession session(filter.routines(), commandLine.user1, commandLine.user2);
        const ConversionResult result = convertDocument(session, *document, job, commandLine);
        if (result.hostCode != TRXERR_OK) {
            const std::string line = kHostCodeLine + std::to_string(result.hostCode) + '\n';
            [[maybe_unused]] const ssize_t written = write(results, line.data(), line.size());
        }
        return static_cast<int>(result.status);
    } catch (const InputError& error) {
        reportError() << error.what() << '\n';
        return static_cast<int>(ExitStatus::Listing);
    } catch (const icfdriver::FilterError& error) {
        reportError() << job.input << ": " << error.what() << '\n';
        return static_cast<int>(ExitStatus::Filter);
    } catch (const std::exception& error) {
        // Running out of memory is all that is expected here.
        reportError() << job.input << ": " << error.what() << '\n';
        return static_cast<int>(ExitStatus::ExportFailed);
    }
}

// The lines of a worker's result channel that start with `prefix`, without it.
std::vector<std::string> resultLines(const std::string& results, const std::string& prefix)
{
    std::vector<std::string> values;
    std::istringstream lines(results);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind(prefix, 0) == 0)
            values.push_back(line.substr(prefix.size()));
    return values;
}

// The worker's messages without the program's and the input's names, on
// one line: "code 37 (no such item); ...".
std::string reasonOf(const std::string& messages, const std::string& input)
{
    std::string reason;
    std::istringstream lines(messages);
    for (std::string line; std::getline(lines, line);) {
        for (const std::string& prefix : {std::string(kToolName) + ": ", input + ": "})
            if (line.rfind(prefix, 0) == 0)
                line.erase(0, prefix.size());
        reason += (reason.empty() ? "" : "; ") + line;
    }
    return reason;
}

// Why a worker ended without a status of its own: "the worker was killed
// after 30 s (--timeout)", "the worker ended by signal 11 (Segmentation
// fault)", "the worker exited with status 70".
std::string endOfWorker(const WorkerEnd& end, unsigned timeoutSeconds)
{
    if (end.timedOut)
        return "the worker was killed after " + std::to_string(timeoutSeconds) + " s (--timeout)";
    if (end.signal)
        return "the worker ended by signal " + std::to_string(end.signal) + " (" + strsignal(end.signal) + ")";
    return "the worker exited with status " + std::to_string(end.exitStatus);
}

// A killed worker could not remove its temporary files: they go now, so
// that no partial output is left.
void removeTemporaryFiles(const WorkerEnd& end)
{
    for (const std::string& path : resultLines(end.results, kTemporaryLine))
        unlink(path.c_str());
}

DocumentOutcome outcomeNamed(const Job& job)
{
    DocumentOutcome outcome;
    outcome.input = job.input;
    outcome.output = job.output;
    return outcome;
}

class Batch {
public:
    Batch(const CommandLine& commandLine, BatchReport& report)
        : commandLine_(commandLine), report_(report), statuses_(commandLine.jobs.size(), ExitStatus::Ok),
          progress_(commandLine.jobs.size(), !commandLine.quiet)
    {
    }

    // The indices of the jobs to convert; the others are reported skipped.
    std::vector<size_t> skipUpToDate()
    {
        std::vector<size_t> pending;
        for (size_t i = 0; i < commandLine_.jobs.size(); ++i) {
            if (commandLine_.skipExisting && upToDate(commandLine_.jobs[i]))
                record(i, skippedOutcome(commandLine_.jobs[i]), {});
            else
                pending.push_back(i);
        }
        return pending;
    }

    // False, with the reason reported, when a worker could not be started
    // (the system allows no more processes): the run stops there.
    bool convert(const std::vector<size_t>& pending, const icfdriver::FilterLibrary& filter)
    {
        try {
            WorkerPool pool(commandLine_.workerCount, commandLine_.timeoutSeconds);
            pool.run(
                pending.size(),
                [&](size_t task, int results) {
                    return convertInWorker(commandLine_.jobs[pending[task]], commandLine_, filter, results);
                },
                [&](const WorkerEnd& end) { finish(pending[end.task], end); }, [this] { progress_.update(); });
            return true;
        } catch (const std::system_error& error) {
            progress_.write(std::string(kToolName) + ": " + error.what() + '\n');
            return false;
        }
    }

    // The summary, then the status of the first failed document.
    ExitStatus end()
    {
        progress_.clear();
        if (!commandLine_.quiet && commandLine_.jobs.size() > 1)
            reportError() << report_.summary(progress_.elapsedSeconds()) << '\n';
        for (const ExitStatus status : statuses_)
            if (status != ExitStatus::Ok)
                return status;
        return ExitStatus::Ok;
    }

private:
    static DocumentOutcome skippedOutcome(const Job& job)
    {
        DocumentOutcome outcome = outcomeNamed(job);
        outcome.skipped = true;
        return outcome;
    }

    DocumentOutcome outcomeOf(const Job& job, const WorkerEnd& end) const
    {
        DocumentOutcome outcome = outcomeNamed(job);
        outcome.seconds = end.seconds;
        outcome.reason = reasonOf(end.messages, job.input);
        const bool ownStatus = end.signal == 0 && !end.timedOut && end.exitStatus >= 0 &&
                               end.exitStatus < static_cast<int>(ExitStatus::WorkerEnded);
        outcome.status = ownStatus ? static_cast<ExitStatus>(end.exitStatus) : ExitStatus::WorkerEnded;
        outcome.timedOut = end.timedOut;
        if (!ownStatus)
            outcome.reason += (outcome.reason.empty() ? "" : "; ") + endOfWorker(end, commandLine_.timeoutSeconds);
        for (const std::string& code : resultLines(end.results, kHostCodeLine))
            outcome.hostCode = static_cast<TRXERR>(std::stol(code));
        struct stat output {};
        if (outcome.status == ExitStatus::Ok && job.output != kStandardStream && stat(job.output.c_str(), &output) == 0)
            outcome.bytes = static_cast<uint64_t>(output.st_size);
        return outcome;
    }

    void finish(size_t index, const WorkerEnd& end)
    {
        const Job& job = commandLine_.jobs[index];
        const DocumentOutcome outcome = outcomeOf(job, end);
        std::string messages = end.messages;
        if (outcome.status == ExitStatus::WorkerEnded) {
            removeTemporaryFiles(end);
            messages +=
                std::string(kToolName) + ": " + job.input + ": " + endOfWorker(end, commandLine_.timeoutSeconds) + '\n';
        }
        record(index, outcome, messages);
    }

    void record(size_t index, const DocumentOutcome& outcome, const std::string& messages)
    {
        statuses_[index] = outcome.status;
        progress_.finished(outcome.status != ExitStatus::Ok);
        if (!messages.empty())
            progress_.write(messages);
        report_.add(outcome);
        progress_.update();
    }

    const CommandLine& commandLine_;
    BatchReport& report_;
    std::vector<ExitStatus> statuses_;
    Progress progress_;
};

} // namespace

ExitStatus runBatch(const CommandLine& commandLine)
{
    if (!outputFoldersReady(commandLine.jobs))
        return ExitStatus::Output;
    try {
        BatchReport report(commandLine.reportPath);
        // Loaded once here and shared by the workers as they are forked;
        // no export runs in this process, so each worker's filter starts
        // as loaded.
        const icfdriver::FilterLibrary filter(commandLine.filterPath.empty() ? icfdriver::defaultFilterPath()
                                                                             : commandLine.filterPath);
        Batch batch(commandLine, report);
        const bool allStarted = batch.convert(batch.skipUpToDate(), filter);
        const ExitStatus ended = batch.end();
        const ExitStatus status = allStarted ? ended : ExitStatus::WorkerEnded;
        if (!report.written()) {
            reportError() << commandLine.reportPath << ": cannot write the report\n";
            return status == ExitStatus::Ok ? ExitStatus::Output : status;
        }
        return status;
    } catch (const icfdriver::FilterError& error) {
        reportError() << error.what() << '\n';
        return ExitStatus::Filter;
    } catch (const std::system_error& error) {
        reportError() << error.what() << '\n';
        return ExitStatus::Output;
    }
}

} // namespace icfexport
