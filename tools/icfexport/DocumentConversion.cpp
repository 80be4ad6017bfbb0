#include "DocumentConversion.h"

#include "driver/HostCodes.h"
#include "PendingOutput.h"
#include "Report.h"
#include "trxhost/Export.h"

#include <cstring>

namespace icfexport {

namespace {

void applyOptions(const CommandLine& commandLine, trxhost::Export& hostExport)
{
    for (const auto& [id, value] : commandLine.numericOptions)
        hostExport.setNumericOption(id, value);
    for (const auto& [id, bytes] : commandLine.listOptions)
        hostExport.setOption(id, bytes);
}

} // namespace

ExitStatus convertDocument(icfdriver::FilterSession& session, const trxhost::Document& document, const Job& job,
                           const CommandLine& commandLine)
{
    trxhost::Export hostExport(document);
    applyOptions(commandLine, hostExport);
    PendingOutput output(job.output);
    const TRXERR code = session.exportDocument(hostExport.handle(), output.temporaryPath());
    if (code != TRXERR_OK) {
        reportError() << job.input << ": export failed with code " << code << " (" << icfdriver::hostCodeName(code) << ")\n";
        return ExitStatus::ExportFailed;
    }
    if (const int error = output.commit()) {
        reportError() << job.output << ": cannot rename " << output.temporaryPath() << " into place: "
                      << std::strerror(error) << '\n';
        return ExitStatus::Output;
    }
    return ExitStatus::Ok;
}

} // namespace icfexport
