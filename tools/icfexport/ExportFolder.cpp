#include "ExportFolder.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace icfexport {

ExportFolder::ExportFolder(const std::string& directory)
{
    if (directory.empty())
        return;
    previous_ = open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (previous_ < 0)
        throw std::system_error(errno, std::generic_category(), "cannot note the current folder");
    if (chdir(directory.c_str()) != 0) {
        const int error = errno;
        close(previous_);
        throw std::system_error(error, std::generic_category(), "cannot enter " + directory);
    }
}

// Every path the program still uses is absolute, so a failed return only
// leaves later exports in this folder.
ExportFolder::~ExportFolder()
{
    if (previous_ < 0)
        return;
    [[maybe_unused]] const int returned = fchdir(previous_);
    close(previous_);
}

} // namespace icfexport
