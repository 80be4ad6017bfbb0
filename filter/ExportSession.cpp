#include "filter/ExportSession.h"

#include "filter/Conversion.h"
#include "filter/DiagnosticsLog.h"
#include "filter/ExportOptions.h"
#include "filter/QDExportStream.h"
#include "filter/SessionGuard.h"

#include <memory>

namespace {

constexpr char kOutputNotFlushed[] = "REQUIRE_1: output.flush()\n\tFile: ExportSession";
constexpr char kReferenceListNotClosed[] = "REQUIRE_1: conversion.finish()\n\tFile: ExportSession";

// Hands each failure to the diagnostics file, when the host asked for one.
auto diagnosticsOf(CConversion& conversion)
{
    return [&conversion](const char* reason, TRXERR code) noexcept {
        if (CDiagnosticsLog* log = conversion.getDiagnostics())
            log->recordFailure(reason, code);
    };
}

// Writes what the output stream (made by g_QDExportOpen) still holds and
// destroys it, then finishes the conversion. Unlike a quiet destruction, a
// host that refuses the last bytes or a close fails the export.
void closeOutputs(CConversion& conversion)
{
    std::unique_ptr<CQDExportStream> output(static_cast<CQDExportStream*>(conversion.getTargetStream()));
    conversion.setTargetStream(nullptr);
    if (output && !output->flush())
        throw ExICFWriter(kOutputNotFlushed);
    if (!conversion.finish())
        throw ExICFWriter(kReferenceListNotClosed);
}

} // namespace

TRXERR g_QDExportOpen(void** slot, HEXPORT hExport, HCHUNKER, HIOFILE hFile)
{
    if (!slot)
        return TRXERR_BADPARAM;
    return runGuarded([&] {
        *slot = nullptr;
        auto conversion = std::make_unique<CConversion>();
        auto stream = std::make_unique<CQDExportStream>(hFile);
        conversion->setSourceFormat(kFormatChunker);
        conversion->setTargetFormat(kFormatICF);
        conversion->setSourceStream(nullptr);
        conversion->setTargetStream(stream.get());
        if (auto* options = dynamic_cast<IbrChunkerReaderOptions*>(conversion->getReaderOptions()))
            options->setHExport(hExport);
        stream.release();
        *slot = conversion.release();
        return TRXERR_OK;
    });
}

TRXERR g_QDExportWrite(void* conversion, HEXPORT hExport)
{
    if (!conversion)
        return kFilterFailure;
    auto& open = *static_cast<CConversion*>(conversion);
    return runGuarded(
        [&] {
            applyExportOptions(open, hExport);
            open.run(kConvertAll);
            return TRXERR_OK;
        },
        diagnosticsOf(open));
}

TRXERR g_QDExportClose(void** slot)
{
    if (!slot)
        return TRXERR_BADPARAM;
    std::unique_ptr<CConversion> conversion(static_cast<CConversion*>(*slot));
    *slot = nullptr;
    if (!conversion)
        return TRXERR_OK;
    const TRXERR code = runGuarded(
        [&] {
            closeOutputs(*conversion);
            return TRXERR_OK;
        },
        diagnosticsOf(*conversion));
    // The diagnostics file closes last, so that it holds the failures above.
    CDiagnosticsLog* log = conversion->getDiagnostics();
    const bool logged = !log || log->close();
    return code == TRXERR_OK && !logged ? kFilterFailure : code;
}
