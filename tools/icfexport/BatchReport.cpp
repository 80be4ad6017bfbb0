#include "BatchReport.h"

#include <cerrno>
#include <cstdio>
#include <sstream>
#include <system_error>

namespace icfexport {

namespace {

// A JSON string: quotes, backslashes and control characters escaped; other
// bytes pass as they are (paths are bytes, usually UTF-8).
std::string quoted(const std::string& text)
{
    std::string json = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            json += escape;
        } else {
            json += c;
        }
    }
    return json + '"';
}

template <typename Number>
std::string numberOrNull(const std::optional<Number>& value)
{
    return value ? std::to_string(*value) : "null";
}

std::string jsonLine(const DocumentOutcome& outcome)
{
    std::ostringstream line;
    line << "{\"input\":" << quoted(outcome.input) << ",\"output\":" << quoted(outcome.output)
         << ",\"status\":" << quoted(statusName(outcome)) << ",\"exit\":" << static_cast<int>(outcome.status)
         << ",\"code\":" << numberOrNull(outcome.hostCode) << ",\"reason\":" << quoted(outcome.reason)
         << ",\"bytes\":" << numberOrNull(outcome.bytes) << ",\"seconds\":" << outcome.seconds << "}\n";
    return line.str();
}

} // namespace

const char* statusName(const DocumentOutcome& outcome)
{
    if (outcome.skipped)
        return "skipped";
    switch (outcome.status) {
    case ExitStatus::Ok:
        return "converted";
    case ExitStatus::Listing:
        return "unreadable";
    case ExitStatus::Filter:
        return "filter-unavailable";
    case ExitStatus::ExportFailed:
        return "export-failed";
    case ExitStatus::Output:
        return "output-failed";
    case ExitStatus::Unhandled:
        return "unhandled-changes";
    case ExitStatus::WorkerEnded:
        return outcome.timedOut ? "timed-out" : "crashed";
    case ExitStatus::Usage:
        break;
    }
    return "failed";
}

BatchReport::BatchReport(const std::string& path)
{
    if (path.empty())
        return;
    file_.open(path, std::ios::binary | std::ios::trunc);
    if (!file_)
        throw std::system_error(errno, std::generic_category(), "cannot create the report " + path);
}

void BatchReport::add(const DocumentOutcome& outcome)
{
    if (outcome.skipped)
        ++skipped_;
    else if (outcome.status == ExitStatus::Ok)
        ++converted_;
    else
        ++failed_;
    if (file_.is_open())
        file_ << jsonLine(outcome) << std::flush;
}

std::string BatchReport::summary(double seconds) const
{
    std::ostringstream text;
    text.precision(3);
    text << converted_ << " converted, " << failed_ << " failed";
    if (skipped_)
        text << ", " << skipped_ << " skipped";
    text << ", " << std::fixed << seconds << " s";
    return text.str();
}

} // namespace icfexport
