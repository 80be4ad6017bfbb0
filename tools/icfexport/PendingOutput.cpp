#include "PendingOutput.h"

#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace icfexport {

PendingOutput::PendingOutput(std::string finalPath)
    : finalPath_(std::move(finalPath)), temporaryPath_(finalPath_ + ".tmp." + std::to_string(getpid()))
{
}

PendingOutput::~PendingOutput()
{
    if (!committed_)
        std::remove(temporaryPath_.c_str());
}

int PendingOutput::commit()
{
    if (std::rename(temporaryPath_.c_str(), finalPath_.c_str()) != 0)
        return errno;
    committed_ = true;
    return 0;
}

} // namespace icfexport
