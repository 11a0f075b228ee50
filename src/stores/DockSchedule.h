// SPDX-License-Identifier: MIT
#pragma once

#include "ReferenceSeconds.h"
#include "Weekday.h"

#include <QUuid>

#include <optional>
#include <set>

// On these days of the week, at this time, apply this profile.
struct DockSchedule {
    QUuid id = QUuid::createUuid();
    QUuid profileID;
    int hour = 0;
    int minute = 0;
    std::set<Weekday> days;
    bool isEnabled = true;
    std::optional<ReferenceSeconds> lastAppliedDate;

    // "9:30 AM".
    [[nodiscard]] QString timeString() const;
    // "Every day", "Weekdays", "Weekends", full names for a few days, initials for more.
    [[nodiscard]] QString daysSummary() const;

    bool operator==(const DockSchedule&) const = default;
};
