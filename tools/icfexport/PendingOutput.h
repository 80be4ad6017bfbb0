// An output file written under a temporary name beside its final one.
// commit() renames it into place; until then the destructor removes it, so
// a failed conversion never leaves a file that looks finished. An existing
// output that is a device or a pipe cannot be renamed over: it is written in
// place.
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

    // Whether an output at `path` is written in place.
    static bool writesInPlace(const std::string& path);

    // The file to write: the temporary one, or the output written in place.
    const std::string& pathToWrite() const { return pathToWrite_; }

    // Renames the temporary file to the final name. Returns the errno of a
    // failed rename (the temporary file is then still removed), or 0.
    int commit();

private:
    std::string finalPath_;
    bool inPlace_;
    std::string pathToWrite_;
    bool committed_ = false;
};

} // namespace icfexport
