// The session functions between the entry points and the conversion: each
// runs its body under one handler that turns every exception into a host code.
#pragma once

#include "filter/ExportMacro.h"
#include "trx/platform.h"

extern "C" {

// Builds the conversion of one export into *slot (null on failure).
ICF_EXPORT TRXERR g_QDExportOpen(void** slot, HEXPORT hExport, HCHUNKER hChunker, HIOFILE hFile);
// Applies the host's export options and runs the whole conversion.
ICF_EXPORT TRXERR g_QDExportWrite(void* conversion, HEXPORT hExport);
// Destroys the output stream (flushing it) and the conversion in *slot; a
// host that refuses the last bytes fails the export with 18.
ICF_EXPORT TRXERR g_QDExportClose(void** slot);

} // extern "C"
