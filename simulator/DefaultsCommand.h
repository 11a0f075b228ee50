// SPDX-License-Identifier: MIT
#pragma once

#include "DomainStore.h"
#include "PlistNode.h"

#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

// One run of the simulated `defaults` tool: reads, writes, deletes, exports or imports a domain.
class DefaultsCommand {
public:
    explicit DefaultsCommand(DomainStore store, std::FILE* out = stdout, std::FILE* err = stderr)
        : m_store(std::move(store))
        , m_out(out)
        , m_err(err) {}

    // Takes the arguments after the program name and returns the exit status.
    [[nodiscard]] int run(std::span<const std::string_view> arguments);

private:
    [[nodiscard]] int read(std::string_view domain, std::optional<std::string_view> key);
    [[nodiscard]] int readType(std::string_view domain, std::string_view key);
    [[nodiscard]] int write(std::string_view domain, std::string_view key,
                            std::span<const std::string_view> words);
    [[nodiscard]] int remove(std::string_view domain, std::optional<std::string_view> key);
    [[nodiscard]] int exportDomain(std::string_view domain, std::string_view path);
    [[nodiscard]] int importDomain(std::string_view domain, std::string_view path);
    // Turns the words after the key into the value to store; empty after printing why not, with
    // status set to the exit status to return.
    [[nodiscard]] PlistNode valueFrom(std::span<const std::string_view> words, bool& appends, int& status);
    [[nodiscard]] PlistNode plainValue(std::string_view word);
    [[nodiscard]] PlistNode typedValue(std::string_view flag, std::string_view word);

    void print(std::FILE* stream, std::string_view text) const;
    int fail(const std::string& message) const;
    int usage(const std::string& problem = {}) const;
    int missingPair(std::string_view domain, std::string_view key) const;
    int unreadable(std::string_view domain, const DomainStore::Domain& loaded) const;

    DomainStore m_store;
    std::FILE* m_out;
    std::FILE* m_err;
};
