// SPDX-License-Identifier: MIT
#pragma once

#include "FolderFiles.h"
#include "PlistNode.h"
#include "SimulatorFolder.h"

#include <optional>
#include <string>
#include <string_view>

// The simulated preferences domains: one binary property-list file per domain, a dictionary at its top,
// read and written through a per-domain cache as macOS's preferences daemon does. A domain file changed
// behind the cache's back is not seen while the cache holds the domain, and the next change to the
// domain writes the cached values back over it.
class DomainStore {
public:
    enum class State { Missing, Unreadable, Loaded };

    struct Domain {
        State state = State::Missing;
        // The top-level dictionary; set only when the domain was loaded.
        PlistNode dictionary;
        // Why the domain cannot be used; set only when it is unreadable.
        std::string problem;
    };

    explicit DomainStore(const SimulatorFolder& folder);

    // A domain becomes a file name, so names that would leave the folder or hide the file are refused.
    [[nodiscard]] static bool isValidName(std::string_view domain);
    // Why a value cannot go into a domain, or empty when it can: every string and key must be UTF-8
    // without a NUL character, so that it can be printed and exported unchanged.
    [[nodiscard]] static std::string refusalReason(plist_t value);

    // The domain as the cache holds it; one not cached yet is taken in from its file, under the folder's
    // lock so that a concurrent change or deletion is never undone by a stale copy.
    [[nodiscard]] Domain read(std::string_view domain) const;
    // The same, for a caller that holds the folder's lock.
    [[nodiscard]] Domain load(std::string_view domain, const FolderLock& held) const;
    [[nodiscard]] bool exists(std::string_view domain) const;
    // Writes the cache and the file. Refuses, leaving both as they were, when the encoded dictionary
    // would not decode to a dictionary.
    [[nodiscard]] bool save(std::string_view domain, const PlistNode& dictionary, const FolderLock& held,
                            std::string& error) const;
    // Removes the domain from the cache and its file, whichever still holds it.
    [[nodiscard]] bool remove(std::string_view domain, const FolderLock& held, std::string& error) const;
    // Forgets every cached domain, as logging out does; the next reads see the files as they are.
    [[nodiscard]] bool dropCache(const FolderLock& held, std::string& error) const;
    // Hold the result from load to save so that concurrent writers never lose each other's changes.
    [[nodiscard]] std::optional<FolderLock> lock(std::string& error) const;

    // The folder itself, where the simulated Dock keeps its own files beside the domains.
    [[nodiscard]] const FolderFiles& files() const { return m_files; }

private:
    [[nodiscard]] static std::string fileName(std::string_view domain);
    [[nodiscard]] static Domain decode(const std::string& bytes);
    // A domain read from its file must hold only text the tools accept; the cache holds nothing else.
    [[nodiscard]] static Domain checked(Domain domain);

    FolderFiles m_files;
    FolderFiles m_cache;
};
