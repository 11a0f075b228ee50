// SPDX-License-Identifier: MIT
#include "AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>

namespace {

std::string failure(const std::string& path, int error) {
    return "Could not write " + path + ": " + std::strerror(error);
}

// Flushed before the rename, so that a crash of the machine cannot leave an empty file in place.
void flushToDisk(int descriptor) {
#ifdef __linux__
    ::fdatasync(descriptor);
#else
    ::fsync(descriptor);
#endif
}

} // namespace

std::string AtomicFile::resolveLinks(const std::string& path) {
    std::string resolved = path;
    // Bounded, so that a loop of links ends as a failed write instead of a hang.
    for (int depth = 0; depth < 40; ++depth) {
        struct stat status {};
        if (::lstat(resolved.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            break;
        std::string target(size_t(status.st_size > 0 ? status.st_size : PATH_MAX), '\0');
        const ssize_t length = ::readlink(resolved.c_str(), target.data(), target.size());
        if (length <= 0)
            break;
        target.resize(size_t(length));
        resolved = target.front() == '/' ? target : folderOf(resolved) + '/' + target;
    }
    return resolved;
}

std::string AtomicFile::folderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

int AtomicFile::openUnnamed(const std::string& folder, unsigned mode) {
#ifdef O_TMPFILE
    // Naming it later goes through /proc.
    if (::access("/proc/self/fd", X_OK) == 0)
        return ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
#endif
    (void)folder;
    (void)mode;
    return -1;
}

bool AtomicFile::writeAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        // A write that stores nothing is a full disk that did not say so.
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        bytes.remove_prefix(size_t(written));
    }
    return true;
}

std::string AtomicFile::claimName(const std::string& target,
                                  const std::function<int(const std::string&)>& place) {
    const auto seed = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = target + '.' + std::to_string(::getpid()) + '-' + std::to_string(seed + attempt);
        const int result = place(name);
        if (result == 0)
            return name;
        if (result != EEXIST) {
            errno = result;
            return {};
        }
    }
    errno = EEXIST;
    return {};
}

bool AtomicFile::write(const std::string& path, std::string_view bytes, std::string& error,
                       Durability durability) {
    const std::string target = resolveLinks(path);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && ::access(target.c_str(), W_OK) != 0) {
        error = failure(path, errno);
        return false;
    }

    // Until an existing file's permissions are copied over, only the owner may read the new bytes.
    const mode_t mode = exists ? 0600 : 0666;
    int descriptor = openUnnamed(folderOf(target), mode);
    const bool unnamed = descriptor >= 0;
    std::string scratch;
    if (!unnamed) {
        scratch = claimName(target, [&](const std::string& name) {
            descriptor = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
            return descriptor < 0 ? errno : 0;
        });
        if (scratch.empty()) {
            error = failure(path, errno);
            return false;
        }
    }

    bool written =
        writeAll(descriptor, bytes) && (!exists || ::fchmod(descriptor, existing.st_mode & 07777) == 0);
    if (written && durability == Durability::flushed)
        flushToDisk(descriptor);
    if (written && unnamed) {
        const std::string handle = "/proc/self/fd/" + std::to_string(descriptor);
        scratch = claimName(target, [&](const std::string& name) {
            return ::linkat(AT_FDCWD, handle.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ? 0
                                                                                                      : errno;
        });
        written = !scratch.empty();
    }
    int savedError = errno;
    if (::close(descriptor) != 0 && written) {
        written = false;
        savedError = errno;
    }
    if (written && ::rename(scratch.c_str(), target.c_str()) != 0) {
        written = false;
        savedError = errno;
    }
    if (!written) {
        if (!scratch.empty())
            ::unlink(scratch.c_str());
        error = failure(path, savedError);
    }
    return written;
}
