// SPDX-License-Identifier: MIT
#include "ScheduleRunner.h"

#include <algorithm>

namespace {

// QDate counts from Monday = 1 to Sunday = 7; Weekday counts from Sunday = 1.
std::optional<Weekday> weekdayOf(const QDate& date) {
    return weekdayFromRawValue(date.dayOfWeek() % 7 + 1);
}

bool appliedInSameMinute(const DockSchedule& schedule, const QDateTime& localNow) {
    if (!schedule.lastAppliedDate)
        return false;
    const QDateTime applied = schedule.lastAppliedDate->toDateTime().toLocalTime();
    if (!applied.isValid())
        return false;
    return applied.date() == localNow.date() && applied.time().hour() == localNow.time().hour() &&
           applied.time().minute() == localNow.time().minute();
}

} // namespace

ScheduleRunner::ScheduleRunner(std::function<void()> tick) {
    // Coarse is plenty for a check that only has to land somewhere inside each minute, and lets the
    // system bundle the wake-ups.
    m_timer.setTimerType(Qt::CoarseTimer);
    m_timer.setInterval(interval);
    QObject::connect(&m_timer, &QTimer::timeout, std::move(tick));
}

void ScheduleRunner::start() {
    m_timer.start();
}

std::optional<ScheduleRunner::Due> ScheduleRunner::dueSchedule(const QList<DockSchedule>& schedules,
                                                               const QList<DockProfile>& profiles,
                                                               const QDateTime& now) {
    const QDateTime localNow = now.toLocalTime();
    const std::optional<Weekday> today = weekdayOf(localNow.date());
    if (!today)
        return std::nullopt;
    for (qsizetype index = 0; index < schedules.size(); ++index) {
        const DockSchedule& schedule = schedules.at(index);
        if (!schedule.isEnabled || !schedule.days.contains(*today) ||
            schedule.hour != localNow.time().hour() || schedule.minute != localNow.time().minute() ||
            appliedInSameMinute(schedule, localNow))
            continue;
        const auto profile =
            std::find_if(profiles.begin(), profiles.end(),
                         [&](const DockProfile& candidate) { return candidate.id == schedule.profileID; });
        // A schedule whose profile was deleted stays in the list but can never fire.
        if (profile != profiles.end())
            return Due{index, *profile};
    }
    return std::nullopt;
}
