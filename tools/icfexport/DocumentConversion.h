// Converts one loaded listing: an export of the document with the command
// line's options and a diagnostics file, run by the filter into a temporary
// file that is renamed into place on success. Failures, with the filter's
// reasons, and changes that no handler read are reported on standard error.
#pragma once

#include "CommandLine.h"
#include "ExitStatus.h"
#include "driver/FilterSession.h"

namespace trxhost {
class Document;
}

namespace icfexport {

// How a conversion ended: its status, and the host code of a failed export.
struct ConversionResult {
    ExitStatus status = ExitStatus::Ok;
    TRXERR hostCode = TRXERR_OK;
};

ConversionResult convertDocument(icfdriver::FilterSession& session, const trxhost::Document& document, const Job& job,
                                 const CommandLine& commandLine);

} // namespace icfexport
