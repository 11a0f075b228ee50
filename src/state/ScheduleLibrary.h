// SPDX-License-Identifier: MIT
#pragma once

#include "ScheduleListModel.h"
#include "stores/ScheduleStore.h"

#include <QCoro/QCoroTask>

#include <functional>
#include <optional>

// The weekly schedules: the published list and the edits of it. Unlike a profile, an edit is
// published at once, even when the file cannot be written; the save waits on the disk off the
// interface thread, and the edit ends with that failure, for its caller to report or not.
class ScheduleLibrary {
public:
    // What went wrong, or nothing.
    using Outcome = std::optional<QString>;

    ScheduleLibrary(ScheduleStore store, const ProfileListModel& profiles);

    [[nodiscard]] ScheduleListModel* model() { return &m_model; }
    [[nodiscard]] const ScheduleListModel& model() const { return m_model; }

    void reload();
    [[nodiscard]] QCoro::Task<Outcome> add(DockSchedule schedule);
    // A schedule that is no longer listed is not changed, and that is what went wrong.
    [[nodiscard]] QCoro::Task<Outcome> edit(QUuid id, std::function<void(DockSchedule&)> change);
    [[nodiscard]] QCoro::Task<Outcome> remove(QUuid id);

private:
    [[nodiscard]] QCoro::Task<Outcome> store(QList<DockSchedule> schedules);

    ScheduleStore m_store;
    ScheduleListModel m_model;
};
