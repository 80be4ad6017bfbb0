// An output file written under a temporary name beside its final one.
// commit() renames it into place; until then the destructor removes it, so
// a failed conversion never leaves a file that looks finished.
#pragma once

#include <string>

namespace icfexport {

class PendingOutput {
public:
    // The temporary name is `finalPath`.tmp.<process id>.
    explicit PendingOutput(std::string finalPath);
    ~PendingOutput();
    PendingOutput(const PendingOutput&) = delete;
    PendingOutput& operator=(const PendingOutput&) = delete;

    const std::string& temporaryPath() const { return temporaryPath_; }

    // Renames the temporary file to the final name. Returns the errno of a
    // failed rename (the temporary file is then still removed), or 0.
    int commit();

private:
    std::string finalPath_;
    std::string temporaryPath_;
    bool committed_ = false;
};

} // namespace icfexport
