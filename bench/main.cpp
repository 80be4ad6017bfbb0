// icfbench: measures the export filter on generated documents of growing
// size and reports its speed and its peak memory for each.
#include "CommandLine.h"
#include "ExitStatus.h"
#include "Measurement.h"
#include "common/ErrorReport.h"
#include "common/ToolMain.h"
#include "driver/FilterLibrary.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
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

    std::string fileFor(uint32_t paragraphs) const
    {
        return (path_ / ("bench-" + std::to_string(paragraphs) + ".icf")).string();
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

void printHeader()
{
    std::cout << std::setw(12) << "paragraphs" << std::setw(16) << "change records" << std::setw(10) << "seconds"
              << std::setw(10) << "CPU s" << std::setw(12) << "records/s" << std::setw(10) << "ICF MB" << std::setw(10)
              << "ICF MB/s" << std::setw(13) << "peak RSS MB" << '\n';
}

// The rates are per second of wall time; a CPU time well below it tells of
// a busy machine.
void printMeasurement(const Measurement& measurement)
{
    const double seconds = std::max(measurement.seconds, 1e-9);
    std::cout << std::fixed << std::setw(12) << measurement.paragraphs << std::setw(16) << measurement.changeRecords
              << std::setprecision(3) << std::setw(10) << measurement.seconds << std::setw(10) << measurement.cpuSeconds
              << std::setprecision(0) << std::setw(12) << measurement.changeRecords / seconds << std::setprecision(2)
              << std::setw(10) << measurement.icfBytes / kMega << std::setw(10)
              << measurement.icfBytes / kMega / seconds << std::setprecision(1) << std::setw(13)
              << measurement.peakResidentBytes / kMega << std::endl;
}

ExitStatus measureAll(const CommandLine& commandLine)
{
    try {
        const std::string filterPath =
            commandLine.filterPath.empty() ? icfdriver::defaultFilterPath() : commandLine.filterPath;
        const OutputDirectory output(commandLine.outputDirectory);
        std::cout << "filter: " << filterPath << '\n';
        printHeader();
        for (const uint32_t paragraphs : commandLine.sizes) {
            const std::string file = output.fileFor(paragraphs);
            printMeasurement(measureExport(paragraphs, filterPath, file));
            output.done(file);
        }
        return ExitStatus::Ok;
    } catch (const std::exception& error) {
        tools::reportError(kToolName) << error.what() << '\n';
        return ExitStatus::Failed;
    }
}

} // namespace

int main(int argc, char** argv)
{
    return tools::toolMain(argc, argv, {kToolName, ICFBENCH_VERSION}, parseCommandLine, helpText, measureAll,
                           {ExitStatus::Usage, ExitStatus::Failed});
}
