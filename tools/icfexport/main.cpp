// icfexport: converts document listings and word-processing files to ICF by
// loading the export filter and driving it exactly as a conversion host does.
#include "CommandLine.h"
#include "DocumentConversion.h"
#include "ExitStatus.h"
#include "InputDocument.h"
#include "ListingOutput.h"
#include "PendingOutput.h"
#include "Report.h"
#include "common/ToolMain.h"
#include "driver/FilterLibrary.h"
#include "driver/FilterSession.h"
#include "trxhost/Document.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>

using namespace icfexport;

namespace {

using Documents = std::vector<std::unique_ptr<trxhost::Document>>;

// Reads every input before anything is converted, so that a bad one stops
// the run before any output is written. Reports every bad input.
bool loadInputs(const std::vector<Job>& jobs, Documents& documents)
{
    bool allLoaded = true;
    for (const Job& job : jobs) {
        try {
            documents.push_back(loadInput(job.input));
        } catch (const InputError& error) {
            reportError() << error.what() << '\n';
            allLoaded = false;
        }
    }
    return allLoaded;
}

// Checks that each output's directory takes new files, before converting;
// an output written straight or to standard output needs no new file there.
bool outputDirectoriesWritable(const std::vector<Job>& jobs)
{
    for (const Job& job : jobs) {
        if (job.output == kStandardStream || PendingOutput::writesStraight(job.output))
            continue;
        const std::filesystem::path directory = std::filesystem::path(job.output).parent_path();
        const std::string name = directory.empty() ? "." : directory.string();
        if (access(name.c_str(), W_OK) != 0) {
            reportError() << job.output << ": cannot write into " << name << ": " << std::strerror(errno) << '\n';
            return false;
        }
    }
    return true;
}

// Converts each document in turn; a failure does not stop the others.
ExitStatus convertEach(icfdriver::FilterSession& session, const Documents& documents, const CommandLine& commandLine)
{
    ExitStatus first = ExitStatus::Ok;
    for (size_t i = 0; i < documents.size(); ++i) {
        const ExitStatus status = convertDocument(session, *documents[i], commandLine.jobs[i], commandLine);
        if (first == ExitStatus::Ok)
            first = status;
    }
    return first;
}

ExitStatus convertAll(const CommandLine& commandLine)
{
    Documents documents;
    if (!loadInputs(commandLine.jobs, documents))
        return ExitStatus::Listing;
    if (commandLine.toListing)
        return writeListing(*documents.front(), commandLine.jobs.front());
    if (!outputDirectoriesWritable(commandLine.jobs))
        return ExitStatus::Output;
    try {
        icfdriver::FilterLibrary filter(commandLine.filterPath.empty() ? icfdriver::defaultFilterPath()
                                                                       : commandLine.filterPath);
        icfdriver::FilterSession session(filter.routines(), commandLine.user1, commandLine.user2);
        return convertEach(session, documents, commandLine);
    } catch (const icfdriver::FilterError& error) {
        reportError() << error.what() << '\n';
        return ExitStatus::Filter;
    }
}

} // namespace

int main(int argc, char** argv)
{
    // Running out of memory is all that is expected to end in ExportFailed.
    return tools::toolMain(argc, argv, {kToolName, ICFEXPORT_VERSION}, parseCommandLine, helpText, convertAll,
                           {ExitStatus::Usage, ExitStatus::ExportFailed, ExitStatus::Output});
}
