// SPDX-License-Identifier: MIT
#pragma once

#include "DomainStore.h"
#include "PlistNode.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

#include <optional>
#include <utility>

// One run of the simulated `defaults` tool: reads, writes, deletes, exports or imports a domain.
class DefaultsCommand {
public:
    explicit DefaultsCommand(DomainStore store)
        : m_store(std::move(store)) {}

    // Takes the arguments after the program name and returns the exit status.
    [[nodiscard]] int run(const QByteArrayList& arguments);

private:
    [[nodiscard]] int read(const QString& domain, const std::optional<QByteArray>& key);
    [[nodiscard]] int readType(const QString& domain, const QByteArray& key);
    [[nodiscard]] int write(const QString& domain, const QByteArray& key, const QByteArrayList& values);
    [[nodiscard]] int remove(const QString& domain, const std::optional<QByteArray>& key);
    [[nodiscard]] int exportDomain(const QString& domain, const QByteArray& path);
    [[nodiscard]] int importDomain(const QString& domain, const QByteArray& path);
    // Turns the words after the key into the value to store; empty after printing why not.
    [[nodiscard]] static PlistNode valueFrom(const QByteArrayList& words, bool& appends, int& status);

    DomainStore m_store;
};
