#include "PendingOutput.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace icfexport {

PendingOutput::PendingOutput(std::string finalPath)
    : finalPath_(std::move(finalPath)), inPlace_(writesInPlace(finalPath_)),
      pathToWrite_(inPlace_ ? finalPath_ : finalPath_ + ".tmp." + std::to_string(getpid()))
{
}

PendingOutput::~PendingOutput()
{
    if (!committed_ && !inPlace_)
        std::remove(pathToWrite_.c_str());
}

bool PendingOutput::writesInPlace(const std::string& path)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    return std::filesystem::exists(status) && !std::filesystem::is_regular_file(status) &&
           !std::filesystem::is_directory(status);
}

int PendingOutput::commit()
{
    if (inPlace_)
        return 0;
    if (std::rename(pathToWrite_.c_str(), finalPath_.c_str()) != 0)
        return errno;
    committed_ = true;
    return 0;
}

} // namespace icfexport
