// File routines over plain files, by path and descriptor of the operating
// system.
#include "trx/fileservices.h"

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Files the services create: readable by all, writable by owner and group.
constexpr int kCreatedFilePermissions = 0664;

} // namespace

int setPermissionRights(int permissions)
{
    return permissions;
}

int ifsOpen(const char* path, int mode)
{
    if (!path)
        return -1;
    int flags = 0;
    switch (mode) {
    case IFS_MODE_READ:
        flags = O_RDONLY;
        break;
    case IFS_MODE_WRITE:
        flags = O_WRONLY | O_CREAT | O_TRUNC;
        break;
    case IFS_MODE_READWRITE:
        flags = O_RDWR | O_CREAT;
        break;
    case IFS_MODE_APPEND:
        flags = O_RDWR | O_APPEND | O_CREAT;
        break;
    case IFS_MODE_EXCLUSIVE:
        flags = O_WRONLY | O_CREAT | O_EXCL;
        break;
    default:
        return -1;
    }
    return open(path, flags | O_CLOEXEC, setPermissionRights(kCreatedFilePermissions));
}

int32_t ifsRead(int descriptor, void* buffer, uint32_t size)
{
    return static_cast<int32_t>(read(descriptor, buffer, size));
}

int32_t ifsWrite(int descriptor, const void* buffer, uint32_t size)
{
    return static_cast<int32_t>(write(descriptor, buffer, size));
}

int ifsClose(int descriptor)
{
    return close(descriptor) == 0 ? 0 : -1;
}

int32_t ifsLSeek(int descriptor, int32_t offset, int origin)
{
    return static_cast<int32_t>(lseek(descriptor, offset, origin));
}

int ifsUnlink(const char* path)
{
    return path ? unlink(path) : -1;
}

int32_t ifsGetSize(const char* path)
{
    struct stat status {};
    if (!path || stat(path, &status) != 0)
        return -1;
    return static_cast<int32_t>(status.st_size);
}

int ifsCheckExist(const char* path)
{
    struct stat status {};
    return path && stat(path, &status) == 0 ? 0 : -1;
}

int ifsRename(const char* oldPath, const char* newPath)
{
    return oldPath && newPath && std::rename(oldPath, newPath) == 0 ? 0 : -1;
}
