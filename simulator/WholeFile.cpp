// SPDX-License-Identifier: MIT
#include "WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

std::optional<std::string> WholeFile::read(const std::string& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return std::nullopt;
    std::optional<std::string> bytes = read(descriptor);
    const int savedError = errno;
    ::close(descriptor);
    errno = savedError;
    return bytes;
}

std::optional<std::string> WholeFile::read(int descriptor) {
    std::string bytes;
    struct stat status {};
    if (::fstat(descriptor, &status) == 0 && status.st_size > 0)
        bytes.reserve(size_t(status.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return std::nullopt;
        if (count == 0)
            return bytes;
        bytes.append(buffer, size_t(count));
    }
}
