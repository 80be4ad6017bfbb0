// The document access services: the chunker handle, export options and the
// embedded objects of the active export's document. Every call checks its
// handles and out-pointers first, then the document's injected failures,
// and only then does its work; a failing call writes nothing.
#include "host/HostFile.h"
#include "trxhost/Document.h"
#include "trxhost/Export.h"

#include <algorithm>
#include <cstring>

namespace {

using trxhost::Export;

// The filter fills the six-word record as a 32-bit host knows it, whatever
// the size of the structure in this process.
constexpr uint32_t kEmbeddedSpecSize = 24;

bool injected(const Export& active, const char* service, uint32_t list, uint32_t item, TRXERR* code)
{
    return active.document().injectedFailure(service, list, item, code);
}

} // namespace

TRX_API TRXERR DAGetHChunker(HEXPORT hExport, HCHUNKER* hChunker)
{
    Export* active = Export::find(hExport);
    TRXERR code = TRXERR_BADPARAM;
    if (!active || !hChunker || injected(*active, "DAGetHChunker", 0, 0, &code))
        return code;
    *hChunker = active->chunkerHandle();
    return TRXERR_OK;
}

TRX_API TRXERR DAGetOption(HEXPORT hExport, uint32_t id, void* buffer, uint32_t* size)
{
    Export* active = Export::find(hExport);
    TRXERR code = TRXERR_BADPARAM;
    if (!active || !buffer || !size || injected(*active, "DAGetOption", 0, id, &code))
        return code;
    const std::vector<uint8_t>* value = active->option(id);
    if (!value)
        return TRXERR_NOITEM;
    const auto delivered = static_cast<uint32_t>(std::min<size_t>(*size, value->size()));
    std::memcpy(buffer, value->data(), delivered);
    *size = delivered;
    return TRXERR_OK;
}

TRX_API TRXERR DARetrieveDocHandle(HEXPORT hExport, HDOC* hDoc)
{
    Export* active = Export::find(hExport);
    TRXERR code = TRXERR_BADPARAM;
    if (!active || !hDoc || injected(*active, "DARetrieveDocHandle", 0, 0, &code))
        return code;
    *hDoc = active->documentHandle();
    return TRXERR_OK;
}

TRX_API TRXERR DAOpenDocument(HDOC* hDoc, uint32_t specType, void* spec, uint32_t /*flags*/)
{
    Export* active = Export::active();
    const auto* embedded = static_cast<const DAEMBEDDEDSPEC*>(spec);
    if (!active || !hDoc || specType != IOTYPE_EMBEDDED || !embedded || embedded->size != kEmbeddedSpecSize ||
        embedded->document != active->documentHandle())
        return TRXERR_BADPARAM;
    TRXERR code = TRXERR_OK;
    if (injected(*active, "DAOpenDocument", embedded->first, embedded->second, &code))
        return code;
    const HDOC opened = active->openObject(embedded->first, embedded->second);
    if (!opened)
        return TRXERR_NOITEM;
    *hDoc = opened;
    return TRXERR_OK;
}

TRX_API TRXERR DAGetHIOFile(HDOC hDoc, HIOFILE* hFile)
{
    Export* active = Export::active();
    uint32_t first = 0;
    uint32_t second = 0;
    const std::vector<uint8_t>* bytes = active && hFile ? active->openedObject(hDoc, &first, &second) : nullptr;
    TRXERR code = TRXERR_BADPARAM;
    if (!bytes || injected(*active, "DAGetHIOFile", first, second, &code))
        return code;
    const HIOFILE file = trxhost::openMemoryFile(*bytes);
    if (!file)
        return TRXERR_BADPARAM;
    *hFile = file;
    return TRXERR_OK;
}
