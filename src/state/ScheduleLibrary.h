// SPDX-License-Identifier: MIT
#pragma once

#include "ScheduleListModel.h"
#include "stores/ScheduleStore.h"

#include <QCoro/QCoroTask>

#include <functional>
#include <optional>

// The weekly schedules: the list, the edits of it, and the model that shows the list. Unlike a
// profile, an edit is published at once, even when the file cannot be written; the save waits on the
// disk off the interface thread, and the edit ends with that failure, for its caller to report or not.
class ScheduleLibrary {
public:
    // What went wrong, or nothing.
    using Outcome = std::optional<QString>;

    // `profiles` names each schedule's profile on its card.
    ScheduleLibrary(ScheduleStore store, const ProfileListModel& profiles);

    [[nodiscard]] ScheduleListModel* model() { return &m_model; }
    // As published, in their stored order.
    [[nodiscard]] const QList<DockSchedule>& schedules() const { return m_schedules; }

    // Shows the file as it is once the saves under way have landed, read off the interface thread. An
    // edit made while it is read is newer than the file, so it stays.
    [[nodiscard]] QCoro::Task<> reload();
    [[nodiscard]] QCoro::Task<Outcome> add(DockSchedule schedule);
    // A schedule that is no longer listed is not changed, and that is what went wrong.
    [[nodiscard]] QCoro::Task<Outcome> edit(QUuid id, std::function<void(DockSchedule&)> change);
    [[nodiscard]] QCoro::Task<Outcome> remove(QUuid id);

private:
    [[nodiscard]] QCoro::Task<Outcome> store(QList<DockSchedule> schedules);
    void publish(const QList<DockSchedule>& schedules);

    ScheduleStore m_store;
    ScheduleListModel m_model;
    QList<DockSchedule> m_schedules;
    quint64 m_edits = 0;
};
