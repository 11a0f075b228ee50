// SPDX-License-Identifier: MIT
#include "ScheduleListModel.h"

#include <QHash>
#include <QVariantList>

#include <algorithm>

using namespace Qt::StringLiterals;

ScheduleListModel::ScheduleListModel(const ProfileListModel& profiles, QObject* parent)
    : RecordListModel(parent)
    , m_profiles(profiles) {
    connect(&m_profiles, &ProfileListModel::recordsChanged, this, &ScheduleListModel::resolveProfiles);
}

QList<DockSchedule> ScheduleListModel::schedules() const {
    QList<DockSchedule> schedules;
    schedules.reserve(m_rows.size());
    for (const Row& row : m_rows)
        schedules.append(row.schedule);
    return schedules;
}

void ScheduleListModel::setSchedules(const QList<DockSchedule>& schedules) {
    // Looked up by identity: a thousand schedules searching a thousand profiles each would hold the
    // window each time the list is read.
    QHash<QUuid, const DockProfile*> profiles;
    for (const DockProfile& profile : m_profiles.profiles())
        profiles.insert(profile.id, &profile);
    QList<Row> rows;
    rows.reserve(schedules.size());
    for (const DockSchedule& schedule : schedules)
        rows.append(rowFor(schedule, profiles.value(schedule.profileID)));
    replaceRows(m_rows, rows, [](const Row& row) { return row.schedule.id; });
}

std::optional<DockSchedule> ScheduleListModel::schedule(const QUuid& id) const {
    const auto match =
        std::find_if(m_rows.begin(), m_rows.end(), [&](const Row& row) { return row.schedule.id == id; });
    if (id.isNull() || match == m_rows.end())
        return std::nullopt;
    return match->schedule;
}

ScheduleListModel::Row ScheduleListModel::rowFor(const DockSchedule& schedule, const DockProfile* profile) {
    // The schedule stays as it is when its profile goes; only what its card shows changes.
    if (profile)
        return {schedule, profile->name, profile->icon};
    return {schedule, tr("Deleted Profile"), u"square.stack.3d.up.fill"_s};
}

void ScheduleListModel::resolveProfiles() {
    setSchedules(schedules());
}

QString ScheduleListModel::idAt(int row) const {
    return m_rows.at(row).schedule.id.toString(QUuid::WithoutBraces);
}

QVariant ScheduleListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Row& row = m_rows.at(index.row());
    const DockSchedule& schedule = row.schedule;
    switch (role) {
    case IdRole:
        return idAt(index.row());
    case ProfileIdRole:
        return schedule.profileID.toString(QUuid::WithoutBraces);
    case HourRole:
        return schedule.hour;
    case MinuteRole:
        return schedule.minute;
    case DaysRole: {
        QVariantList days;
        for (Weekday day : schedule.days)
            days.append(rawValue(day));
        return days;
    }
    case IsEnabledRole:
        return schedule.isEnabled;
    case TimeStringRole:
        return schedule.timeString();
    case DaysSummaryRole:
        return schedule.daysSummary();
    case ProfileNameRole:
        return row.profileName;
    case ProfileIconRole:
        return row.profileIcon;
    default:
        return {};
    }
}

QHash<int, QByteArray> ScheduleListModel::roleNames() const {
    return {{IdRole, "scheduleId"},
            {ProfileIdRole, "profileId"},
            {HourRole, "hour"},
            {MinuteRole, "minute"},
            {DaysRole, "days"},
            {IsEnabledRole, "isEnabled"},
            {TimeStringRole, "timeString"},
            {DaysSummaryRole, "daysSummary"},
            {ProfileNameRole, "profileName"},
            {ProfileIconRole, "profileIcon"}};
}
