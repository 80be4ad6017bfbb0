#include "DiagnosticsFile.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace icfexport {

DiagnosticsFile::DiagnosticsFile()
    : file_(
          (std::filesystem::absolute(std::filesystem::temp_directory_path()) / "icfexport-diagnostics-XXXXXX").string())
{
}

std::vector<uint8_t> DiagnosticsFile::optionValue() const
{
    const std::string& path = file_.path();
    std::vector<uint8_t> bytes(path.begin(), path.end());
    bytes.push_back(0);
    return bytes;
}

// The lines are "failure CODE REASON" and "unhandled TYPE COUNT".
Diagnostics DiagnosticsFile::read() const
{
    Diagnostics diagnostics;
    std::ifstream file(file_.path());
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
