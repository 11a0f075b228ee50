// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <utility>

// An enumeration's cases, each beside the value that stands for it (its raw value, its name on screen),
// as a plain array of pairs in declaration order: one list serves the lookup both ways, so a case
// cannot be added to one direction and forgotten in the other.
template <typename Enum, typename Value, std::size_t count> using EnumTable = std::pair<Enum, Value>[count];

// The value listed for `which`. Every case is listed, so the fallback to the first entry is never
// taken; it only keeps the function total.
template <typename Enum, typename Value, std::size_t count>
[[nodiscard]] constexpr Value valueOf(const EnumTable<Enum, Value, count>& table, Enum which) {
    for (const auto& [listed, value] : table) {
        if (listed == which)
            return value;
    }
    return table[0].second;
}

// The case listed with exactly `value`, or nothing.
template <typename Enum, typename Value, std::size_t count, typename Probe>
[[nodiscard]] constexpr std::optional<Enum> caseOf(const EnumTable<Enum, Value, count>& table,
                                                   const Probe& value) {
    for (const auto& [listed, candidate] : table) {
        if (candidate == value)
            return listed;
    }
    return std::nullopt;
}
