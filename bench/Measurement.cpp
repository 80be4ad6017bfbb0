#include "Measurement.h"

#include "AllocationCount.h"
#include "driver/FilterSession.h"
#include "driver/HostCodes.h"
#include "trxhost/Export.h"
#include "trxhost/SyntheticDocument.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <iostream>

namespace icfbench {

namespace {

// What the child reports through its pipe.
struct ChildReport {
    uint64_t changeRecords;
    uint64_t icfBytes;
    double seconds;
    double cpuSeconds;
    uint64_t allocations;
};

// User and system time of this process so far.
double cpuSecondsSoFar()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& time) { return static_cast<double>(time.tv_sec) + time.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Runs in the child: the whole export as a host runs it, timed from open to
// close. Failures go to standard error; the exit status tells the parent.
int exportDocument(trxhost::SyntheticWorkload workload, uint32_t count, const std::string& filterPath,
                   const std::string& outputPath, int reportFd)
{
    try {
        const icfdriver::FilterLibrary filter(filterPath);
        icfdriver::FilterSession session(filter.routines(), 0, 0);
        const auto document = trxhost::makeSyntheticDocument(count, workload);
        trxhost::Export hostExport(*document);
        const double cpuStart = cpuSecondsSoFar();
        const auto start = std::chrono::steady_clock::now();
        startCountingAllocations();
        const TRXERR code = session.exportDocument(hostExport.handle(), outputPath);
        const uint64_t allocations = stopCountingAllocations();
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        const double cpuSeconds = cpuSecondsSoFar() - cpuStart;
        if (code != TRXERR_OK) {
            std::cerr << "icfbench: the export failed with code " << code << " (" << icfdriver::hostCodeName(code)
                      << ")\n";
            return 1;
        }
        const ChildReport report{document->list(CHLIST_CHANGES)->length(), std::filesystem::file_size(outputPath),
                                 elapsed.count(), cpuSeconds, allocations};
        return write(reportFd, &report, sizeof report) == sizeof report ? 0 : 1;
    } catch (const std::exception& error) {
        std::cerr << "icfbench: " << error.what() << '\n';
        return 1;
    }
}

// Reads the child's report; false when the child ended without one.
bool readReport(int fd, ChildReport& report)
{
    auto* bytes = reinterpret_cast<char*>(&report);
    size_t received = 0;
    while (received < sizeof report) {
        const ssize_t count = read(fd, bytes + received, sizeof report - received);
        if (count == 0 || (count < 0 && errno != EINTR))
            return false;
        if (count > 0)
            received += static_cast<size_t>(count);
    }
    return true;
}

std::string describeEnd(int status)
{
    if (WIFSIGNALED(status))
        return std::string("was killed by signal ") + strsignal(WTERMSIG(status));
    return "ended with status " + std::to_string(WEXITSTATUS(status));
}

} // namespace

Measurement measureExport(trxhost::SyntheticWorkload workload, uint32_t count, const std::string& filterPath,
                          const std::string& outputPath)
{
    int fds[2];
    if (pipe(fds) != 0)
        throw MeasurementError(std::string("cannot make a pipe: ") + std::strerror(errno));
    // What is buffered now would be written twice, by the child as well.
    std::cout.flush();
    const pid_t child = fork();
    if (child < 0)
        throw MeasurementError(std::string("cannot start a child process: ") + std::strerror(errno));
    if (child == 0) {
        close(fds[0]);
        _exit(exportDocument(workload, count, filterPath, outputPath, fds[1]));
    }
    close(fds[1]);
    ChildReport report{};
    const bool reported = readReport(fds[0], report);
    close(fds[0]);
    int status = 0;
    rusage usage{};
    while (wait4(child, &status, 0, &usage) < 0)
        if (errno != EINTR)
            throw MeasurementError(std::string("cannot wait for the child process: ") + std::strerror(errno));
    if (!reported || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw MeasurementError("the export of a document of size " + std::to_string(count) + " " + describeEnd(status));
    // ru_maxrss is in kilobytes.
    return {count,
            report.changeRecords,
            report.icfBytes,
            report.seconds,
            report.cpuSeconds,
            static_cast<uint64_t>(usage.ru_maxrss) * 1024,
            report.allocations};
}

} // namespace icfbench
