// The current folder while one export runs: the folder of its output, so
// that the temporary files an export makes in "./" (pictures the ICF refers
// to by name) land beside the ICF. The previous folder comes back when the
// ExportFolder goes.
#pragma once

#include <string>

namespace icfexport {

class ExportFolder {
public:
    // An empty `directory` stays in the current folder. Throws
    // std::system_error when the folder cannot be entered.
    explicit ExportFolder(const std::string& directory);
    ~ExportFolder();
    ExportFolder(const ExportFolder&) = delete;
    ExportFolder& operator=(const ExportFolder&) = delete;

private:
    // A descriptor of the folder to return to, or -1 when unchanged.
    int previous_ = -1;
};

} // namespace icfexport
