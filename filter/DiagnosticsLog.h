// The diagnostics file that a host asks for with DAOPT_DIAGNOSTICS_FILE:
// one line for each failure as it happens, and at the close one line for
// each change type that reached no handler, with its count. The file is
// created and written through the host's file services, like the output.
#pragma once

#include "core/UnhandledChanges.h"
#include "filter/QDExportStream.h"
#include "trx/platform.h"

#include <cstddef>

class CDiagnosticsLog {
public:
    // Creates the file at `path`; throws ExChunkerFailed with the host's
    // code when the host cannot.
    explicit CDiagnosticsLog(const char* path);
    // Closes the file, if close() has not.
    ~CDiagnosticsLog();
    CDiagnosticsLog(const CDiagnosticsLog&) = delete;
    CDiagnosticsLog& operator=(const CDiagnosticsLog&) = delete;

    // Adds "failure CODE REASON". It runs while a failure is handled, so it
    // allocates nothing and throws nothing.
    void recordFailure(const char* reason, TRXERR code) noexcept;
    CUnhandledChanges& getUnhandledChanges() { return m_unhandled; }
    // Adds the unhandled change types and closes the file; false when the
    // host refused any line or the close.
    bool close() noexcept;

private:
    void writeText(const char* text, std::size_t size) noexcept;
    void writeText(const char* text) noexcept;
    void writeNumber(long long number) noexcept;
    void writeOnOneLine(const char* text) noexcept;

    HIOFILE m_file;
    CQDExportStream m_stream;
    CUnhandledChanges m_unhandled;
    bool m_complete = true;
};
