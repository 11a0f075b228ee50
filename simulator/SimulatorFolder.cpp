// SPDX-License-Identifier: MIT
#include "SimulatorFolder.h"

#include "AtomicFile.h"
#include "WholeFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

std::string absoluteVariable(const char* name) {
    const char* value = std::getenv(name);
    return value && value[0] == '/' ? value : "";
}

// Without . and .. steps, doubled or trailing slashes, so that the same folder is always the same text.
std::string cleanPath(std::string_view path) {
    std::vector<std::string_view> steps;
    while (!path.empty()) {
        const size_t slash = path.find('/');
        const std::string_view step = path.substr(0, slash);
        path = slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
        if (step == "..") {
            if (!steps.empty())
                steps.pop_back();
        } else if (!step.empty() && step != ".") {
            steps.push_back(step);
        }
    }
    std::string clean;
    for (const std::string_view step : steps) {
        clean += '/';
        clean += step;
    }
    return clean.empty() ? "/" : clean;
}

} // namespace

SimulatorFolder SimulatorFolder::fromEnvironment() {
    const std::string explicitFolder = absoluteVariable("BERTHWISE_SIMULATED_DOCK");
    if (!explicitFolder.empty())
        return SimulatorFolder(cleanPath(explicitFolder));
    std::string dataHome = absoluteVariable("XDG_DATA_HOME");
    if (dataHome.empty()) {
        const char* home = std::getenv("HOME");
        dataHome = std::string(home && home[0] ? home : "/") + "/.local/share";
    }
    return SimulatorFolder(cleanPath(dataHome + "/Berthwise/SimulatedDock"));
}

std::string SimulatorFolder::filePath(std::string_view name) const {
    std::string path = m_path;
    path += '/';
    path += name;
    return path;
}

bool SimulatorFolder::exists(std::string_view name) const {
    struct stat status {};
    return ::stat(filePath(name).c_str(), &status) == 0;
}

std::optional<std::string> SimulatorFolder::read(std::string_view name) const {
    return WholeFile::read(filePath(name));
}

bool SimulatorFolder::write(std::string_view name, std::string_view bytes, std::string& error) const {
    return ensureExists(error) && AtomicFile::write(filePath(name), bytes, error);
}

bool SimulatorFolder::remove(std::string_view name, std::string& error) const {
    const std::string path = filePath(name);
    if (::unlink(path.c_str()) == 0)
        return true;
    error = "Could not remove " + path + ": " + std::strerror(errno);
    return false;
}

std::optional<FolderLock> SimulatorFolder::lock(std::string& error) const {
    if (!ensureExists(error))
        return std::nullopt;
    // A holder that died lets go at once; the timeout only guards against a wedged one.
    std::optional<FolderLock> lock = FolderLock::acquire(m_path, std::chrono::seconds(30));
    if (!lock)
        error = "Could not lock the folder " + m_path;
    return lock;
}

bool SimulatorFolder::ensureExists(std::string& error) const {
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
