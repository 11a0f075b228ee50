// SPDX-License-Identifier: MIT
#include "RecentStackType.h"

std::optional<RecentStackType> recentStackTypeFromRawValue(int raw) {
    for (RecentStackType type : allRecentStackTypes) {
        if (rawValue(type) == raw)
            return type;
    }
    return std::nullopt;
}
