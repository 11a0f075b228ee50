// SPDX-License-Identifier: MIT
#pragma once

#include "PlistNode.h"
#include "SimulatorFolder.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

// The simulated preferences domains: one binary property-list file per domain, a dictionary at its top.
class DomainStore {
public:
    enum class State { Missing, Unreadable, Loaded };

    struct Domain {
        State state = State::Missing;
        // The top-level dictionary; set only when the domain was loaded.
        PlistNode dictionary;
    };

    explicit DomainStore(SimulatorFolder folder)
        : m_folder(std::move(folder)) {}

    // A domain becomes a file name, so names that would leave the folder or hide the file are refused.
    [[nodiscard]] static bool isValidName(std::string_view domain);
    // Why a value cannot go into a domain, or empty when it can: every string and key must be UTF-8
    // without a NUL character, so that it can be printed and read back unchanged.
    [[nodiscard]] static std::string refusalReason(plist_t value);

    [[nodiscard]] Domain load(std::string_view domain) const;
    [[nodiscard]] bool exists(std::string_view domain) const;
    // Refuses, leaving the file as it was, when the encoded dictionary would not decode to a dictionary.
    [[nodiscard]] bool save(std::string_view domain, const PlistNode& dictionary, std::string& error) const;
    [[nodiscard]] bool remove(std::string_view domain, std::string& error) const;
    // Hold the result from load to save so that concurrent writers never lose each other's changes.
    [[nodiscard]] std::optional<FolderLock> lock(std::string& error) const;

private:
    [[nodiscard]] static std::string fileName(std::string_view domain);

    SimulatorFolder m_folder;
};
