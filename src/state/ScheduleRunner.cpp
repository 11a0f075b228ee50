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

ScheduleRunner::ScheduleRunner(const QList<DockSchedule>& schedules, const QList<DockProfile>& profiles,
                               Clock clock, QObject* parent)
    : QObject(parent)
    , m_schedules(schedules)
    , m_profiles(profiles)
    , m_clock(std::move(clock)) {
    // Coarse is plenty for a check that only has to land somewhere inside each minute, and lets the
    // system bundle the wake-ups.
    m_timer.setTimerType(Qt::CoarseTimer);
    m_timer.setInterval(interval);
    connect(&m_timer, &QTimer::timeout, this, &ScheduleRunner::check);
}

void ScheduleRunner::start() {
    m_timer.start();
}

void ScheduleRunner::check() {
    if (const std::optional<Due> found = dueSchedule())
        Q_EMIT due(*found);
}

std::optional<ScheduleRunner::Due> ScheduleRunner::dueSchedule() const {
    if (m_schedules.isEmpty())
        return std::nullopt;
    const QDateTime now = m_clock();
    const QDateTime localNow = now.toLocalTime();
    const std::optional<Weekday> today = weekdayOf(localNow.date());
    if (!today)
        return std::nullopt;
    for (const DockSchedule& schedule : m_schedules) {
        if (!schedule.isEnabled || !schedule.days.contains(*today) ||
            schedule.hour != localNow.time().hour() || schedule.minute != localNow.time().minute() ||
            appliedInSameMinute(schedule, localNow))
            continue;
        const auto profile =
            std::find_if(m_profiles.begin(), m_profiles.end(),
                         [&](const DockProfile& candidate) { return candidate.id == schedule.profileID; });
        // A schedule whose profile was deleted stays in the list but can never fire.
        if (profile != m_profiles.end())
            return Due{schedule.id, *profile, now};
    }
    return std::nullopt;
}
