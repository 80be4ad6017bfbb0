#include "DiagnosticsFile.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace icfexport {

DiagnosticsFile::DiagnosticsFile()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "icfexport-diagnostics-XXXXXX").string();
    const int descriptor = mkstemp(pattern.data());
    if (descriptor < 0)
        throw std::system_error(errno, std::generic_category(), "cannot create a diagnostics file " + pattern);
    close(descriptor);
    path_ = pattern;
}

DiagnosticsFile::~DiagnosticsFile()
{
    std::remove(path_.c_str());
}

std::vector<uint8_t> DiagnosticsFile::optionValue() const
{
    std::vector<uint8_t> bytes(path_.begin(), path_.end());
    bytes.push_back(0);
    return bytes;
}

// The lines are "failure CODE REASON" and "unhandled TYPE COUNT".
Diagnostics DiagnosticsFile::read() const
{
    Diagnostics diagnostics;
    std::ifstream file(path_);
    for (std::string line; std::getline(file, line);) {
        std::istringstream fields(line);
        std::string kind;
        fields >> kind;
        if (kind == "failure") {
            std::string code;
            fields >> code >> std::ws;
            std::getline(fields, diagnostics.failures.emplace_back());
        } else if (kind == "unhandled") {
            uint32_t type = 0;
            uint64_t count = 0;
            if (fields >> type >> count)
                diagnostics.unhandledChanges[type] += count;
        }
    }
    return diagnostics;
}

std::string describeUnhandledChanges(const std::map<uint32_t, uint64_t>& unhandledChanges)
{
    std::string text;
    for (const auto& [type, count] : unhandledChanges)
        text += (text.empty() ? "" : ", ") + std::to_string(type) + " (" + std::to_string(count) +
                (count == 1 ? " time)" : " times)");
    return text;
}

} // namespace icfexport
