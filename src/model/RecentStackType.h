// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>

// The kind of recent-items stack; the raw value is the Dock's "list-type" number.
enum class RecentStackType { applications = 1, documents = 2, servers = 4 };

inline constexpr std::array allRecentStackTypes{RecentStackType::applications, RecentStackType::documents,
                                                RecentStackType::servers};

[[nodiscard]] constexpr int rawValue(RecentStackType type) {
    return static_cast<int>(type);
}
// Accepts exactly 1, 2 and 4.
[[nodiscard]] std::optional<RecentStackType> recentStackTypeFromRawValue(int raw);
