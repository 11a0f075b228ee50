// SPDX-License-Identifier: MIT
#pragma once

#include "PlistNode.h"
#include "SimulatorFolder.h"

#include <QLockFile>
#include <QString>

#include <memory>
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
    [[nodiscard]] static bool isValidName(const QString& domain);

    [[nodiscard]] Domain load(const QString& domain) const;
    [[nodiscard]] bool exists(const QString& domain) const;
    [[nodiscard]] bool save(const QString& domain, const PlistNode& dictionary, QString& error) const;
    [[nodiscard]] bool remove(const QString& domain, QString& error) const;
    // Hold the result from load to save so that concurrent writers never lose each other's changes.
    [[nodiscard]] std::unique_ptr<QLockFile> lock(const QString& domain, QString& error) const;

private:
    [[nodiscard]] static QString fileName(const QString& domain);

    SimulatorFolder m_folder;
};
