// SPDX-License-Identifier: MIT
#pragma once

#include "FolderLock.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

// The folder where the simulated Dock keeps its domains and its restart count, and the atomic file
// writes every change goes through.
class SimulatorFolder {
public:
    explicit SimulatorFolder(std::string path)
        : m_path(std::move(path)) {}

    // The folder the environment names: BERTHWISE_SIMULATED_DOCK when it is an absolute path, else
    // Berthwise/SimulatedDock in the XDG data folder. The app and the tools it starts both ask here,
    // so they always agree.
    [[nodiscard]] static SimulatorFolder fromEnvironment();

    [[nodiscard]] const std::string& path() const { return m_path; }
    [[nodiscard]] std::string filePath(std::string_view name) const;

    [[nodiscard]] bool exists(std::string_view name) const;
    // Nothing when the file does not exist or cannot be read.
    [[nodiscard]] std::optional<std::string> read(std::string_view name) const;
    // Replaces the file in one step, creating the folder first; on failure sets error and leaves the old
    // file.
    [[nodiscard]] bool write(std::string_view name, std::string_view bytes, std::string& error) const;
    [[nodiscard]] bool remove(std::string_view name, std::string& error) const;
    // Serialises read-modify-write cycles across processes, creating the folder first; the lock lasts as
    // long as the result. One lock for the whole folder: its changes are few and take a millisecond.
    [[nodiscard]] std::optional<FolderLock> lock(std::string& error) const;

private:
    [[nodiscard]] bool ensureExists(std::string& error) const;

    std::string m_path;
};
