// SPDX-License-Identifier: MIT
#include "FolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <thread>
#include <utility>

std::optional<FolderLock> FolderLock::acquire(const std::string& folder, std::chrono::milliseconds timeout) {
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return std::nullopt;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= deadline) {
            ::close(descriptor);
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return FolderLock(descriptor);
}

FolderLock::FolderLock(FolderLock&& other) noexcept
    : m_descriptor(std::exchange(other.m_descriptor, -1)) {}

FolderLock::~FolderLock() {
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}
