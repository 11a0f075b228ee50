// SPDX-License-Identifier: MIT
#pragma once

#include "ProfileListModel.h"
#include "RecordListModel.h"
#include "stores/DockSchedule.h"

#include <optional>

// The weekly schedules in their stored order, with the texts their cards show and the name and icon
// of the profile each applies, which follow the profiles as they change.
class ScheduleListModel : public RecordListModel {
    Q_OBJECT

public:
    // The names are the delegates' required properties.
    enum Role {
        IdRole = Qt::UserRole + 1, // "scheduleId": the identity as text, without braces
        ProfileIdRole,             // "profileId": the profile it applies, as text
        HourRole,                  // "hour": 0 to 23
        MinuteRole,                // "minute": 0 to 59
        DaysRole,                  // "days": the days' numbers, 1 (Sunday) to 7 (Saturday), in that order
        IsEnabledRole,             // "isEnabled"
        TimeStringRole,            // "timeString": "9:30 AM"
        DaysSummaryRole,           // "daysSummary": "Weekdays", "Monday, Friday", "S M T W"
        ProfileNameRole,           // "profileName": the profile's name, or "Deleted Profile"
        ProfileIconRole,           // "profileIcon": the profile's icon, or "square.stack.3d.up.fill"
    };
    Q_ENUM(Role)

    explicit ScheduleListModel(const ProfileListModel& profiles, QObject* parent = nullptr);

    [[nodiscard]] QList<DockSchedule> schedules() const;
    void setSchedules(const QList<DockSchedule>& schedules);
    [[nodiscard]] std::optional<DockSchedule> schedule(const QUuid& id) const;

    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QHash<int, QByteArray> roleNames() const override;

protected:
    [[nodiscard]] int size() const override { return int(m_rows.size()); }
    [[nodiscard]] QString idAt(int row) const override;

private:
    // A schedule with its profile resolved, so that a renamed or deleted profile changes the row.
    struct Row {
        DockSchedule schedule;
        QString profileName;
        QString profileIcon;

        bool operator==(const Row&) const = default;
    };

    // `profile` is the schedule's, or null when it is gone.
    [[nodiscard]] static Row rowFor(const DockSchedule& schedule, const DockProfile* profile);
    void resolveProfiles();

    const ProfileListModel& m_profiles;
    QList<Row> m_rows;
};
