// Reading a whole file descriptor, such as standard input, into memory.
#pragma once

#include <unistd.h>

#include <cerrno>
#include <string>

namespace tools {

// Reads all of `fd`; false with errno set on a read error.
inline bool readAll(int fd, std::string& bytes)
{
    char buffer[65536];
    for (;;) {
        const ssize_t count = read(fd, buffer, sizeof buffer);
        if (count == 0)
            return true;
        if (count > 0)
            bytes.append(buffer, static_cast<size_t>(count));
        else if (errno != EINTR)
            return false;
    }
}

} // namespace tools
