// SPDX-License-Identifier: MIT
#pragma once

#include "ScheduleListModel.h"
#include "stores/ScheduleStore.h"

#include <functional>
#include <optional>

// The weekly schedules: the published list and the edits of it. Unlike a profile, an edit is
// published even when the file cannot be written; the edit returns that failure instead, for its
// caller to report or not.
class ScheduleLibrary {
public:
    ScheduleLibrary(ScheduleStore store, const ProfileListModel& profiles);

    [[nodiscard]] ScheduleListModel* model() { return &m_model; }
    [[nodiscard]] const ScheduleListModel& model() const { return m_model; }

    void reload();
    // Each returns the description of what went wrong, or nothing.
    [[nodiscard]] std::optional<QString> add(const DockSchedule& schedule);
    // A schedule that is no longer listed is not changed, and that is what went wrong.
    [[nodiscard]] std::optional<QString> edit(const QUuid& id,
                                              const std::function<void(DockSchedule&)>& change);
    [[nodiscard]] std::optional<QString> remove(const QUuid& id);

private:
    [[nodiscard]] std::optional<QString> store(const QList<DockSchedule>& schedules);

    ScheduleStore m_store;
    ScheduleListModel m_model;
};
