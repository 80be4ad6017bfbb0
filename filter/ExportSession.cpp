#include "filter/ExportSession.h"

#include "filter/Conversion.h"
#include "filter/SessionGuard.h"
#include "filter/ExportOptions.h"
#include "filter/QDExportStream.h"

#include <memory>

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
    return runGuarded([&] {
        if (!conversion)
            return kFilterFailure;
        auto& open = *static_cast<CConversion*>(conversion);
        applyExportOptions(open, hExport);
        open.run(kConvertAll);
        return TRXERR_OK;
    });
}

TRXERR g_QDExportClose(void** slot)
{
    if (!slot)
        return TRXERR_BADPARAM;
    return runGuarded([&] {
        auto* conversion = static_cast<CConversion*>(*slot);
        if (!conversion)
            return TRXERR_OK;
        delete conversion->getTargetStream();
        conversion->setTargetStream(nullptr);
        delete conversion;
        *slot = nullptr;
        return TRXERR_OK;
    });
}
