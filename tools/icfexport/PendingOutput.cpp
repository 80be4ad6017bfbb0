#include "PendingOutput.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace icfexport {

namespace {

namespace fs = std::filesystem;

// Copies the file at `path` to standard output; the errno of a failure, or 0.
int copyToStandardOutput(const std::string& path)
{
    const int source = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (source < 0)
        return errno;
    char buffer[65536];
    int error = 0;
    for (;;) {
        const ssize_t count = read(source, buffer, sizeof buffer);
        if (count == 0)
            break;
        if (count < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            break;
        }
        for (ssize_t done = 0; done < count && !error;) {
            const ssize_t written = write(STDOUT_FILENO, buffer + done, static_cast<size_t>(count - done));
            if (written >= 0)
                done += written;
            else if (errno != EINTR)
                error = errno;
        }
        if (error)
            break;
    }
    close(source);
    return error;
}

} // namespace

PendingOutput::PendingOutput(const std::string& finalPath) : finalPath_(finalPath)
{
    if (finalPath_ == kStandardStream) {
        const fs::path folder = fs::absolute(fs::temp_directory_path());
        temporary_ = std::make_unique<TemporaryFile>((folder / "icfexport-output-XXXXXX").string());
        pathToWrite_ = temporary_->path();
    } else if (writesStraight(finalPath_)) {
        pathToWrite_ = finalPath_;
    } else {
        // A symlink stays: the file it leads to is replaced (/dev/stdout
        // redirected to a file leads there too).
        std::error_code error;
        if (fs::is_symlink(fs::symlink_status(finalPath_, error))) {
            const fs::path target = fs::canonical(finalPath_, error);
            if (!error)
                finalPath_ = target.string();
        }
        temporary_ = std::make_unique<TemporaryFile>(finalPath_ + ".tmp.XXXXXX");
        pathToWrite_ = temporary_->path();
        folder_ = fs::path(finalPath_).parent_path().string();
    }
}

bool PendingOutput::writesStraight(const std::string& path)
{
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    return fs::exists(status) && !fs::is_regular_file(status) && !fs::is_directory(status);
}

std::string PendingOutput::commit()
{
    if (!temporary_)
        return {};
    if (finalPath_ == kStandardStream) {
        const int error = copyToStandardOutput(temporary_->path());
        return error ? std::string("cannot write standard output: ") + std::strerror(error) : std::string();
    }
    const int error = temporary_->renameTo(finalPath_);
    return error ? "cannot rename " + temporary_->path() + " into place: " + std::strerror(error) : std::string();
}

} // namespace icfexport
