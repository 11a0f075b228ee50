// SPDX-License-Identifier: MIT
#include "FolderFiles.h"

#include "WholeFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

std::string FolderFiles::filePath(std::string_view name) const {
    std::string path = m_path;
    path += '/';
    path += name;
    return path;
}

bool FolderFiles::exists(std::string_view name) const {
    struct stat status {};
    return ::stat(filePath(name).c_str(), &status) == 0;
}

std::optional<std::string> FolderFiles::read(std::string_view name) const {
    return WholeFile::read(filePath(name));
}

bool FolderFiles::write(std::string_view name, std::string_view bytes, std::string& error,
                        AtomicFile::Durability durability) const {
    return ensureExists(error) && AtomicFile::write(filePath(name), bytes, error, durability);
}

bool FolderFiles::rewrite(std::string_view name, std::string_view bytes, std::string& error) const {
    const std::string path = filePath(name);
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    bool written = descriptor >= 0 &&
                   ::pwrite(descriptor, bytes.data(), bytes.size(), 0) == ssize_t(bytes.size()) &&
                   ::ftruncate(descriptor, off_t(bytes.size())) == 0;
    const int savedError = errno;
    if (descriptor >= 0 && ::close(descriptor) != 0)
        written = false;
    if (!written)
        error = "Could not write " + path + ": " + std::strerror(savedError);
    return written;
}

bool FolderFiles::remove(std::string_view name, std::string& error) const {
    const std::string path = filePath(name);
    if (::unlink(path.c_str()) == 0 || errno == ENOENT)
        return true;
    error = "Could not remove " + path + ": " + std::strerror(errno);
    return false;
}

bool FolderFiles::clear(std::string& error) const {
    DIR* folder = ::opendir(m_path.c_str());
    if (!folder)
        return errno == ENOENT;
    bool cleared = true;
    while (const dirent* entry = ::readdir(folder)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..")
            cleared = remove(name, error) && cleared;
    }
    ::closedir(folder);
    return cleared;
}

std::optional<FolderLock> FolderFiles::lock(std::string& error) const {
    if (!ensureExists(error))
        return std::nullopt;
    // A holder that died lets go at once; the timeout only guards against a wedged one.
    std::optional<FolderLock> lock = FolderLock::acquire(m_path, std::chrono::seconds(30));
    if (!lock)
        error = "Could not lock the folder " + m_path;
    return lock;
}

bool FolderFiles::ensureExists(std::string& error) const {
    struct stat status {};
    if (::stat(m_path.c_str(), &status) == 0 && S_ISDIR(status.st_mode))
        return true;
    // Each missing folder on the way is made in turn, from the top down.
    for (size_t slash = m_path.find('/', 1);; slash = m_path.find('/', slash + 1)) {
        const std::string folder = m_path.substr(0, slash);
        if (::mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST)
            break;
        if (slash == std::string::npos)
            break;
    }
    if (::stat(m_path.c_str(), &status) == 0 && S_ISDIR(status.st_mode))
        return true;
    error = "Could not create the folder " + m_path;
    return false;
}
