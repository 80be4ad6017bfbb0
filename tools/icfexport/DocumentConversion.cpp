#include "DocumentConversion.h"

#include "DiagnosticsFile.h"
#include "ExportFolder.h"
#include "PendingOutput.h"
#include "Report.h"
#include "driver/HostCodes.h"
#include "trxhost/Export.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <system_error>

namespace icfexport {

namespace {

void applyOptions(const CommandLine& commandLine, trxhost::Export& hostExport)
{
    for (const auto& [id, value] : commandLine.numericOptions)
        hostExport.setNumericOption(id, value);
    for (const auto& [id, bytes] : commandLine.listOptions)
        hostExport.setOption(id, bytes);
}

// The referenced-file list the export writes, if it writes one, is pending
// like the output: the filter writes it under a temporary name, put into
// place only when the export succeeds. A relative path counts from the
// folder the export runs in.
std::unique_ptr<PendingOutput> pendReferencedFileList(trxhost::Export& hostExport, const PendingOutput& output)
{
    const std::vector<uint8_t>* value = hostExport.option(DAOPT_REFERENCED_FILE_LIST);
    if (!value)
        return nullptr;
    const std::filesystem::path path(std::string(value->begin(), std::find(value->begin(), value->end(), 0)));
    if (path.empty())
        return nullptr;
    const std::filesystem::path folder =
        output.folder().empty() ? std::filesystem::current_path() : std::filesystem::path(output.folder());
    auto pending = std::make_unique<PendingOutput>((folder / path).lexically_normal().string());
    std::vector<uint8_t> bytes(pending->pathToWrite().begin(), pending->pathToWrite().end());
    bytes.push_back(0);
    hostExport.setOption(DAOPT_REFERENCED_FILE_LIST, std::move(bytes));
    return pending;
}

// Puts a pending file into place; false, with the reason reported, when it
// cannot be.
bool commitOutput(PendingOutput& pending, const std::string& name)
{
    const std::string problem = pending.commit();
    if (!problem.empty())
        reportError() << name << ": " << problem << '\n';
    return problem.empty();
}

// "doc.lst: code 18 (filter failure): REASON", with the filter's reason of
// the first failure when it gave one.
ExitStatus reportFailure(const Job& job, TRXERR code, const Diagnostics& diagnostics)
{
    reportError() << job.input << ": code " << code << " (" << icfdriver::hostCodeName(code) << ")"
                  << (diagnostics.failures.empty() ? "" : ": " + diagnostics.failures.front()) << '\n';
    return ExitStatus::ExportFailed;
}

// A warning, or with --strict a failure of the input.
ExitStatus reportUnhandledChanges(const Job& job, const Diagnostics& diagnostics, bool strict)
{
    if (diagnostics.unhandledChanges.empty())
        return ExitStatus::Ok;
    reportError() << job.input << (strict ? ": " : ": warning: ")
                  << "change types that no handler reads: " << describeUnhandledChanges(diagnostics.unhandledChanges)
                  << '\n';
    return strict ? ExitStatus::Unhandled : ExitStatus::Ok;
}

ConversionResult convert(icfdriver::FilterSession& session, const trxhost::Document& document, const Job& job,
                         const CommandLine& commandLine)
{
    trxhost::Export hostExport(document);
    applyOptions(commandLine, hostExport);
    const DiagnosticsFile diagnosticsFile;
    hostExport.setOption(DAOPT_DIAGNOSTICS_FILE, diagnosticsFile.optionValue());
    // The export runs in the output's folder, so the filter gets the output
    // by its absolute path.
    PendingOutput output(job.output == kStandardStream ? job.output : std::filesystem::absolute(job.output).string());
    const std::unique_ptr<PendingOutput> referencedFiles = pendReferencedFileList(hostExport, output);
    TRXERR code = TRXERR_OK;
    {
        const ExportFolder folder(output.folder());
        code = session.exportDocument(hostExport.handle(), output.pathToWrite());
    }
    const Diagnostics diagnostics = diagnosticsFile.read();
    if (code != TRXERR_OK)
        return {reportFailure(job, code, diagnostics), code};
    if (const ExitStatus status = reportUnhandledChanges(job, diagnostics, commandLine.strict);
        status != ExitStatus::Ok)
        return {status};
    if (!commitOutput(output, job.output))
        return {ExitStatus::Output};
    if (referencedFiles && !commitOutput(*referencedFiles, "referenced-file list"))
        return {ExitStatus::Output};
    return {};
}

} // namespace

ConversionResult convertDocument(icfdriver::FilterSession& session, const trxhost::Document& document, const Job& job,
                                 const CommandLine& commandLine)
{
    try {
        return convert(session, document, job, commandLine);
    } catch (const std::system_error& error) {
        reportError() << job.input << ": " << error.what() << '\n';
        return {ExitStatus::Output};
    }
}

} // namespace icfexport
