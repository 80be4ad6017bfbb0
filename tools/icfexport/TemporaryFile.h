// Temporary files of icfexport that must not outlive the program: each is
// created under a fresh name that nobody else can have planted, and removed
// by SIGINT, SIGTERM or SIGHUP before the program ends by that signal.
#pragma once

#include <string>

namespace icfexport {

// A temporary file made from `pattern`, whose last six characters are
// "XXXXXX": created exclusively (never through a symlink) with the
// permissions a new file gets, and empty. It is removed when the object
// goes, unless it was renamed into place.
class TemporaryFile {
public:
    // `pattern` must be absolute, since the current folder changes during
    // exports. Throws std::system_error when no file can be created.
    explicit TemporaryFile(std::string pattern);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::string& path() const { return path_; }

    // From now on the path of each file created is written to `descriptor`
    // as a line "temporary PATH", so that the process watching this one can
    // remove the files should this one be killed.
    static void announceTo(int descriptor);

    // Renames the file to `finalPath`. Returns the errno of a failed
    // rename (the file is then still removed later), or 0.
    int renameTo(const std::string& finalPath);

private:
    std::string path_;
    bool renamed_ = false;
    // The handler's slot for this file, or -1 when it has none.
    int slot_ = -1;
};

} // namespace icfexport
