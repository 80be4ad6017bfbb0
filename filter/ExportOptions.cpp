#include "filter/ExportOptions.h"

#include "core/Reader.h"
#include "filter/Conversion.h"
#include "filter/DiagnosticsLog.h"
#include "filter/QDExportStream.h"

#include <cstring>
#include <memory>
#include <new>
#include <vector>

namespace {

// A numeric option, or nothing when the host does not set it.
bool fetchNumber(HEXPORT hExport, uint32_t id, uint32_t& value)
{
    value = 0;
    uint32_t size = DAOPT_NUMERIC_SIZE;
    return DAGetOption(hExport, id, &value, &size) == TRXERR_OK;
}

bool isSet(HEXPORT hExport, uint32_t id)
{
    uint32_t value;
    return fetchNumber(hExport, id, value);
}

// A string or list option; its buffer is allocated for the call and holds
// one byte more than the host may deliver, so that a path always ends in 0.
struct ListOption {
    std::unique_ptr<char[]> bytes;
    uint32_t size = 0;
    bool set = false;
};

ListOption fetchList(HEXPORT hExport, uint32_t id)
{
    ListOption option;
    // Zeroed. Failing to allocate fails the export: an option read as unset
    // would convert differently and still succeed.
    option.bytes = std::make_unique<char[]>(DAOPT_LIST_SIZE + 1);
    option.size = DAOPT_LIST_SIZE;
    option.set = DAGetOption(hExport, id, option.bytes.get(), &option.size) == TRXERR_OK;
    if (option.size > DAOPT_LIST_SIZE)
        option.size = DAOPT_LIST_SIZE;
    return option;
}

void applyReportingLevel(CConversion& conversion, HEXPORT hExport)
{
    IbrConversionTest* test = conversion.getIbrConversionTest();
    if (!test)
        return;
    uint32_t level;
    fetchNumber(hExport, DAOPT_REPORTING_LEVEL, level);
    test->setReportingLevel(static_cast<short>(level & 0xFFFF));
}

void applyGraphicsOptions(IbrICFWriterOptions& options, HEXPORT hExport)
{
    uint32_t codePage;
    if (fetchNumber(hExport, DAOPT_DEFAULT_CODE_PAGE, codePage))
        options.setDefaultCodePage(static_cast<short>(codePage & 0xFFFF));
    if (isSet(hExport, DAOPT_ENABLE_GRAPHICS))
        options.enableGraphics();
    if (isSet(hExport, DAOPT_DISABLE_GRAPHICS_RECTS))
        options.disableGraphics(kGfxRectsHidden);
    if (isSet(hExport, DAOPT_KEEP_GRAPHIC_TEMP_FILES))
        options.setGraphicsTempFilesDeletion(kGfxTempFilesKept);
    if (isSet(hExport, DAOPT_EMBEDDED_GRAPHICS_CONVERT))
        options.setEmbeddedGraphicsAction(kGfxActionConvert, kGfxConversionSelected, false);
    if (isSet(hExport, DAOPT_REFERENCED_GRAPHICS_KEEP))
        options.setReferencedGraphicsAction(kGfxActionKeep, kGfxConversionSelected, false);
    if (isSet(hExport, DAOPT_REFERENCED_GRAPHICS_CONVERT))
        options.setReferencedGraphicsAction(kGfxActionConvert, kGfxConversionSelected, false);
    if (isSet(hExport, DAOPT_CONVERT_ALL_GRAPHICS)) {
        options.setEmbeddedGraphicsAction(kGfxActionConvert, kGfxConversionAll, false);
        options.setReferencedGraphicsAction(kGfxActionConvert, kGfxConversionAll, false);
    }
    if (isSet(hExport, DAOPT_CONVERT_ALL_GRAPHICS_CHECKED)) {
        options.setEmbeddedGraphicsAction(kGfxActionConvert, kGfxConversionAll, true);
        options.setReferencedGraphicsAction(kGfxActionConvert, kGfxConversionAll, true);
    }
    if (isSet(hExport, DAOPT_DISABLE_GRAPHICS))
        options.disableGraphics(kGfxRectsHidden);
}

void applyNeverConvertList(IbrICFWriterOptions& options, HEXPORT hExport)
{
    const ListOption list = fetchList(hExport, DAOPT_NEVER_CONVERT_LIST);
    if (!list.set)
        return;
    const uint32_t count = list.size / 4;
    std::vector<long> entries(count);
    for (uint32_t i = 0; i < count; ++i) {
        int32_t entry;
        std::memcpy(&entry, list.bytes.get() + 4 * i, sizeof entry);
        entries[i] = entry;
    }
    options.setGraphicsToNeverConvertToMSG(entries.data(), static_cast<long>(count));
}

// Creates the file named by the option and has the writer list the
// referenced files it meets into it.
void applyReferencedFileList(CConversion& conversion, IbrICFWriterOptions& options, const ListOption& path)
{
    HIOFILE file = nullptr;
    if (IOCreate(&file, IOTYPE_PATH, path.bytes.get(), IOACCESS_READWRITE) != TRXERR_OK || !file)
        return;
    conversion.setReferenceListFileHandle(reinterpret_cast<uintptr_t>(file));
    auto stream = std::make_unique<CQDExportStream>(file);
    options.generateReferencedFileList(stream.get());
    conversion.adoptReferenceListStream(std::move(stream));
}

// Creates the diagnostics file the option names and has the reader count
// into it the changes that reach no handler.
void applyDiagnosticsFile(CConversion& conversion, HEXPORT hExport)
{
    const ListOption path = fetchList(hExport, DAOPT_DIAGNOSTICS_FILE);
    if (!path.bytes || !path.set)
        return;
    auto log = std::make_unique<CDiagnosticsLog>(path.bytes.get());
    if (auto* reader = dynamic_cast<IbrChunkerReaderOptions*>(conversion.getReaderOptions()))
        reader->setUnhandledChanges(&log->getUnhandledChanges());
    conversion.adoptDiagnostics(std::move(log));
}

} // namespace

void applyExportOptions(CConversion& conversion, HEXPORT hExport)
{
    // First, so that the file also hears of failures in the steps after it.
    applyDiagnosticsFile(conversion, hExport);
    applyReportingLevel(conversion, hExport);
    IbrICFWriterOptions* options = dynamic_cast<IbrICFWriterOptions*>(conversion.getWriterOptions());
    if (!options)
        return;
    applyGraphicsOptions(*options, hExport);
    applyNeverConvertList(*options, hExport);
    const ListOption path = fetchList(hExport, DAOPT_REFERENCED_FILE_LIST);
    if (path.bytes && path.set)
        applyReferencedFileList(conversion, *options, path);
}
