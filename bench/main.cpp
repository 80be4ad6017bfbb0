// icfbench: measures the export filter on generated documents of growing
// size and reports its speed and its peak memory for each.
#include "AllocationCount.h"
#include "CommandLine.h"
#include "ExitStatus.h"
#include "Measurement.h"
#include "common/ErrorReport.h"
#include "common/ToolMain.h"
#include "driver/FilterLibrary.h"
#include "trxhost/Listing.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>

using namespace icfbench;

namespace fs = std::filesystem;

namespace {

constexpr char kToolName[] = "icfbench";
constexpr double kMega = 1e6;

// Where the ICF files go: the directory asked for, where they stay, or a
// temporary one that is removed with them.
class OutputDirectory {
public:
    explicit OutputDirectory(const std::string& requested) : temporary_(requested.empty())
    {
        if (temporary_) {
            std::string pattern = (fs::temp_directory_path() / "icfbench-XXXXXX").string();
            if (!mkdtemp(pattern.data()))
                throw MeasurementError("cannot make a temporary directory in " + fs::temp_directory_path().string());
            path_ = pattern;
        } else {
            path_ = requested;
            fs::create_directories(path_);
        }
    }

    ~OutputDirectory()
    {
        if (temporary_) {
            std::error_code ignored;
            fs::remove_all(path_, ignored);
        }
    }

    OutputDirectory(const OutputDirectory&) = delete;
    OutputDirectory& operator=(const OutputDirectory&) = delete;

    std::string fileFor(const char* workload, uint32_t count) const
    {
        return (path_ / ("bench-" + std::string(workload) + "-" + std::to_string(count) + ".icf")).string();
    }

    // A file of the temporary directory goes as soon as it is measured.
    void done(const std::string& file) const
    {
        if (temporary_)
            fs::remove(file);
    }

private:
    bool temporary_;
    fs::path path_;
};

// `unit` names what one of the counted is, for the allocations column.
void printHeader(const char* counted, const char* unit)
{
    std::cout << std::setw(12) << counted << std::setw(16) << "change records" << std::setw(10) << "seconds"
              << std::setw(10) << "CPU s" << std::setw(12) << "records/s" << std::setw(10) << "ICF MB" << std::setw(10)
              << "ICF MB/s" << std::setw(13) << "peak RSS MB" << std::setw(18) << "allocs/" + std::string(unit) << '\n';
}

// The rates are per second of wall time; a CPU time well below it tells of
// a busy machine.
void printMeasurement(const Measurement& measurement)
{
    const double seconds = std::max(measurement.seconds, 1e-9);
    std::cout << std::fixed << std::setw(12) << measurement.count << std::setw(16) << measurement.changeRecords
              << std::setprecision(3) << std::setw(10) << measurement.seconds << std::setw(10) << measurement.cpuSeconds
              << std::setprecision(0) << std::setw(12) << measurement.changeRecords / seconds << std::setprecision(2)
              << std::setw(10) << measurement.icfBytes / kMega << std::setw(10)
              << measurement.icfBytes / kMega / seconds << std::setprecision(1) << std::setw(13)
              << measurement.peakResidentBytes / kMega << std::setw(18);
    if (allocationsAreCounted())
        std::cout << static_cast<double>(measurement.allocations) / measurement.count << std::endl;
    else
        std::cout << "-" << std::endl;
}

// One line per size, under a header naming what the size counts; the
// files are named by the workload.
void measureWorkload(trxhost::SyntheticWorkload workload, const char* name, const char* counted, const char* unit,
                     const std::vector<uint32_t>& sizes, const std::string& filterPath, const OutputDirectory& output)
{
    if (sizes.empty())
        return;
    printHeader(counted, unit);
    for (const uint32_t count : sizes) {
        const std::string file = output.fileFor(name, count);
        printMeasurement(measureExport(workload, count, filterPath, file));
        output.done(file);
    }
}

// A generated document as a listing, for the tools that read listings.
ExitStatus writeListing(const CommandLine& commandLine)
{
    try {
        const auto document = trxhost::makeSyntheticDocument(commandLine.listingCount, commandLine.listingWorkload);
        std::ofstream file(commandLine.listingPath, std::ios::binary);
        file << trxhost::formatListing(*document);
        file.close();
        if (!file)
            throw std::runtime_error("cannot write " + commandLine.listingPath);
        return ExitStatus::Ok;
    } catch (const std::exception& error) {
        tools::reportError(kToolName) << error.what() << '\n';
        return ExitStatus::Failed;
    }
}

ExitStatus measureAll(const CommandLine& commandLine)
{
    try {
        const std::string filterPath =
            commandLine.filterPath.empty() ? icfdriver::defaultFilterPath() : commandLine.filterPath;
        const OutputDirectory output(commandLine.outputDirectory);
        std::cout << "filter: " << filterPath << '\n';
        measureWorkload(trxhost::SyntheticWorkload::Paragraphs, "paragraphs", "paragraphs", "paragraph",
                        commandLine.sizes, filterPath, output);
        measureWorkload(trxhost::SyntheticWorkload::Table, "table", "table rows", "row", commandLine.tableRows,
                        filterPath, output);
        measureWorkload(trxhost::SyntheticWorkload::List, "list", "list items", "item", commandLine.listParagraphs,
                        filterPath, output);
        measureWorkload(trxhost::SyntheticWorkload::Runs, "runs", "runs in one paragraph", "run",
                        commandLine.paragraphRuns, filterPath, output);
        return ExitStatus::Ok;
    } catch (const std::exception& error) {
        tools::reportError(kToolName) << error.what() << '\n';
        return ExitStatus::Failed;
    }
}

ExitStatus run(const CommandLine& commandLine)
{
    return commandLine.action == CommandLine::Action::WriteListing ? writeListing(commandLine)
                                                                   : measureAll(commandLine);
}

} // namespace

int main(int argc, char** argv)
{
    return tools::toolMain(argc, argv, {kToolName, ICFBENCH_VERSION}, parseCommandLine, helpText, run,
                           {ExitStatus::Usage, ExitStatus::Failed, ExitStatus::Failed});
}
