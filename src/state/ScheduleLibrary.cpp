// SPDX-License-Identifier: MIT
#include "ScheduleLibrary.h"

#include "OperationRunner.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
const auto noLongerListed = u"That schedule no longer exists."_s;
}

ScheduleLibrary::ScheduleLibrary(ScheduleStore store, const ProfileListModel& profiles)
    : m_store(std::move(store))
    , m_model(profiles) {
    reload();
}

void ScheduleLibrary::reload() {
    m_model.setSchedules(m_store.loadSchedules());
}

std::optional<QString> ScheduleLibrary::store(const QList<DockSchedule>& schedules) {
    std::optional<QString> failure;
    try {
        m_store.saveSchedules(schedules);
    } catch (const std::exception& error) {
        failure = OperationRunner::descriptionOf(error);
    }
    m_model.setSchedules(schedules);
    return failure;
}

std::optional<QString> ScheduleLibrary::add(const DockSchedule& schedule) {
    QList<DockSchedule> schedules = m_model.schedules();
    schedules.append(schedule);
    return store(schedules);
}

std::optional<QString> ScheduleLibrary::edit(const QUuid& id,
                                             const std::function<void(DockSchedule&)>& change) {
    QList<DockSchedule> schedules = m_model.schedules();
    const auto match = std::find_if(schedules.begin(), schedules.end(),
                                    [&](const DockSchedule& stored) { return stored.id == id; });
    if (match == schedules.end())
        return noLongerListed;
    change(*match);
    return store(schedules);
}

std::optional<QString> ScheduleLibrary::remove(const QUuid& id) {
    QList<DockSchedule> schedules = m_model.schedules();
    if (schedules.removeIf([&](const DockSchedule& stored) { return stored.id == id; }) == 0)
        return noLongerListed;
    return store(schedules);
}
