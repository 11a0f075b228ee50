// SPDX-License-Identifier: MIT
#pragma once

#include "AtomicFile.h"
#include "FolderLock.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

// The files of one folder of the simulated system: whole reads, one-step replacements, and the lock
// that serialises read-modify-write cycles across processes.
class FolderFiles {
public:
    explicit FolderFiles(std::string path)
        : m_path(std::move(path)) {}

    [[nodiscard]] const std::string& path() const { return m_path; }
    [[nodiscard]] std::string filePath(std::string_view name) const;

    [[nodiscard]] bool exists(std::string_view name) const;
    // Nothing when the file does not exist or cannot be read.
    [[nodiscard]] std::optional<std::string> read(std::string_view name) const;
    // Replaces the file in one step, creating the folder first; on failure sets error and leaves the old
    // file.
    [[nodiscard]] bool write(std::string_view name, std::string_view bytes, std::string& error,
                             AtomicFile::Durability durability = AtomicFile::Durability::flushed) const;
    // Rewrites the file in place, for bookkeeping the lock guards: cheaper than write, but a crash can
    // leave it garbled.
    [[nodiscard]] bool rewrite(std::string_view name, std::string_view bytes, std::string& error) const;
    // A file that is already gone counts as removed.
    [[nodiscard]] bool remove(std::string_view name, std::string& error) const;
    // Removes every file in the folder; a missing folder is already empty.
    [[nodiscard]] bool clear(std::string& error) const;
    // The lock lasts as long as the result, and creates the folder first. One lock for the whole folder:
    // its changes are few and take a millisecond.
    [[nodiscard]] std::optional<FolderLock> lock(std::string& error) const;

private:
    [[nodiscard]] bool ensureExists(std::string& error) const;

    std::string m_path;
};
