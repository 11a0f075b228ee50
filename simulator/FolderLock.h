// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <optional>
#include <string>

// An exclusive lock on a folder, held for this object's lifetime. The kernel drops it when its holder
// dies, so a crashed process never blocks the next one, and nothing is left behind in the folder.
class FolderLock {
public:
    // Waits up to timeout for the lock; nothing when the folder cannot be opened or the wait runs out.
    [[nodiscard]] static std::optional<FolderLock> acquire(const std::string& folder,
                                                           std::chrono::milliseconds timeout);

    ~FolderLock();
    FolderLock(FolderLock&& other) noexcept;
    FolderLock& operator=(FolderLock&&) = delete;
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    explicit FolderLock(int descriptor)
        : m_descriptor(descriptor) {}

    int m_descriptor = -1;
};
