// SPDX-License-Identifier: MIT
#pragma once

#include "stores/DockProfile.h"
#include "stores/DockSchedule.h"

#include <QDateTime>
#include <QList>
#include <QTimer>

#include <chrono>
#include <functional>
#include <optional>

// Wakes its owner twice a minute to check the schedules, and decides which schedule is due.
class ScheduleRunner {
public:
    struct Due {
        qsizetype scheduleIndex;
        DockProfile profile;
    };

    static constexpr std::chrono::seconds interval{30};

    explicit ScheduleRunner(std::function<void()> tick);
    ScheduleRunner(const ScheduleRunner&) = delete;
    ScheduleRunner& operator=(const ScheduleRunner&) = delete;

    // The first tick comes one interval after the start.
    void start();

    // The first enabled schedule, in list order, whose day, hour and minute are those of `now` in the
    // local time zone, that has not been applied in this very minute and whose profile still exists.
    [[nodiscard]] static std::optional<Due> dueSchedule(const QList<DockSchedule>& schedules,
                                                        const QList<DockProfile>& profiles,
                                                        const QDateTime& now);

private:
    QTimer m_timer;
};
