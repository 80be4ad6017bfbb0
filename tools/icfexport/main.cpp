// icfexport: converts document listings and word-processing files to ICF by
// loading the export filter and driving it exactly as a conversion host does.
#include "BatchRunner.h"
#include "CommandLine.h"
#include "ExitStatus.h"
#include "InputDocument.h"
#include "ListingOutput.h"
#include "Report.h"
#include "common/ToolMain.h"
#include "trxhost/Document.h"

using namespace icfexport;

namespace {

// --to-listing reads its one input here; no filter is loaded.
ExitStatus writeListingOf(const Job& job)
{
    try {
        return writeListing(*loadInput(job.input), job);
    } catch (const InputError& error) {
        reportError() << error.what() << '\n';
        return ExitStatus::Listing;
    }
}

ExitStatus convertAll(const CommandLine& commandLine)
{
    if (commandLine.toListing)
        return writeListingOf(commandLine.jobs.front());
    return runBatch(commandLine);
}

} // namespace

int main(int argc, char** argv)
{
    // Running out of memory is all that is expected to end in ExportFailed.
    return tools::toolMain(argc, argv, {kToolName, ICFEXPORT_VERSION}, parseCommandLine, helpText, convertAll,
                           {ExitStatus::Usage, ExitStatus::ExportFailed, ExitStatus::Output});
}
