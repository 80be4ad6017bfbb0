#include "filter/DiagnosticsLog.h"

#include "core/Exceptions.h"

#include <charconv>
#include <cstring>
#include <utility>

namespace {

constexpr char kNotCreated[] = "REQUIRE_1: IOCreate(diagnostics file) == TRXERR_OK\n\tFile: DiagnosticsLog";

// Characters that would break a failure's line. A run of them that ends a
// line becomes "; " (an assertion's "\n\tFile: ..." reads "; File: ..."),
// a run of tabs alone a blank.
constexpr char kLineBreaking[] = "\n\r\t";
constexpr char kLineEnds[] = "\n\r";

HIOFILE createFile(const char* path)
{
    HIOFILE file = nullptr;
    const TRXERR code = IOCreate(&file, IOTYPE_PATH, path, IOACCESS_READWRITE);
    if (code != TRXERR_OK || !file)
        throw ExChunkerFailed(kNotCreated, static_cast<uint32_t>(code == TRXERR_OK ? kFilterFailure : code));
    return file;
}

} // namespace

CDiagnosticsLog::CDiagnosticsLog(const char* path) : m_file(createFile(path)), m_stream(m_file)
{
}

CDiagnosticsLog::~CDiagnosticsLog()
{
    close();
}

void CDiagnosticsLog::recordFailure(const char* reason, TRXERR code) noexcept
{
    if (!m_file)
        return;
    writeText("failure ");
    writeNumber(code);
    writeText(" ");
    writeOnOneLine(reason ? reason : "");
    writeText("\n");
}

bool CDiagnosticsLog::close() noexcept
{
    if (!m_file)
        return m_complete;
    for (const auto& [type, count] : m_unhandled.getCounts()) {
        writeText("unhandled ");
        writeNumber(type);
        writeText(" ");
        writeNumber(static_cast<long long>(count));
        writeText("\n");
    }
    m_complete = m_stream.flush() && m_complete;
    HIOFILE file = std::exchange(m_file, nullptr);
    m_complete = file->rtns.close(file) == TRXERR_OK && m_complete;
    return m_complete;
}

void CDiagnosticsLog::writeText(const char* text, std::size_t size) noexcept
{
    unsigned written = 0;
    m_stream.write(static_cast<unsigned>(size), text, &written);
    m_complete = written == size && m_complete;
}

void CDiagnosticsLog::writeText(const char* text) noexcept
{
    writeText(text, std::strlen(text));
}

void CDiagnosticsLog::writeNumber(long long number) noexcept
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    writeText(digits, static_cast<std::size_t>(end - digits));
}

void CDiagnosticsLog::writeOnOneLine(const char* text) noexcept
{
    while (*text) {
        const std::size_t kept = std::strcspn(text, kLineBreaking);
        writeText(text, kept);
        text += kept;
        const std::size_t breaking = std::strspn(text, kLineBreaking);
        if (breaking > 0)
            writeText(std::strcspn(text, kLineEnds) < breaking ? "; " : " ");
        text += breaking;
    }
}
