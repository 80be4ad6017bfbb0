// The execution path: the folder where the graphic converter libraries are
// looked for. It keeps its last value for the life of the process.
#include "trx/fileservices.h"

#include <cstring>

namespace {

// The stored path and its terminating zero fit a 256-byte buffer, with room
// for the "/" that a library path adds after it.
constexpr size_t kExecutionPathBufferSize = 256;
constexpr size_t kMaxExecutionPathLength = 253;

char g_executionPath[kExecutionPathBufferSize] = {};

} // namespace

int setExecutionPath(const char* path)
{
    g_executionPath[0] = '\0';
    if (!path)
        return 1;
    const size_t length = strnlen(path, kMaxExecutionPathLength + 1);
    if (length > kMaxExecutionPathLength)
        return 0;
    std::memcpy(g_executionPath, path, length + 1);
    return 1;
}

int g_setExecutionPath(const char* path)
{
    return setExecutionPath(path);
}

int getExecutionPath(char* buffer)
{
    if (!buffer)
        return 0;
    std::strcpy(buffer, g_executionPath);
    return 1;
}

int isExecutionPathEmpty(void)
{
    return g_executionPath[0] == '\0';
}
