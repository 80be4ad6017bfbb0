// An output file written under a temporary name beside its final one (beside
// the file a symlink leads to, for an output that is a symlink).
// commit() renames it into place; until then it is removed when the
// PendingOutput goes, or by an interrupting signal, so a failed conversion
// never leaves a file that looks finished. An existing output that is not a
// regular file (a device, a pipe) cannot be renamed over: it is written
// straight. Standard output ("-") gets the finished file copied into it.
#pragma once

#include "TemporaryFile.h"

#include <memory>
#include <string>

namespace icfexport {

// The output and input name of standard output and standard input.
constexpr char kStandardStream[] = "-";

class PendingOutput {
public:
    // `finalPath` is absolute, or "-". Throws std::system_error when the
    // temporary file cannot be created.
    explicit PendingOutput(const std::string& finalPath);
    PendingOutput(const PendingOutput&) = delete;
    PendingOutput& operator=(const PendingOutput&) = delete;

    // Whether an output at `path` is written straight: one that exists and
    // is neither a regular file nor a folder.
    static bool writesStraight(const std::string& path);

    // The file to write: the temporary one, or the output written straight.
    const std::string& pathToWrite() const { return pathToWrite_; }
    // The folder the export runs in: the output's, or empty for the
    // current one when the output has no folder of its own.
    const std::string& folder() const { return folder_; }

    // Puts the written file into place. Returns a message saying why it
    // could not, or an empty one.
    std::string commit();

private:
    std::string finalPath_;
    std::unique_ptr<TemporaryFile> temporary_;
    std::string pathToWrite_;
    std::string folder_;
};

} // namespace icfexport
