// SPDX-License-Identifier: MIT
#include "ScheduleLibrary.h"

#include "OperationRunner.h"
#include "stores/DiskQueue.h"

#include <QCoreApplication>
#include <QPointer>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
QString noLongerListed() {
    return QCoreApplication::translate("ScheduleLibrary", "That schedule no longer exists.");
}
} // namespace

ScheduleLibrary::ScheduleLibrary(ScheduleStore store, const ProfileListModel& profiles)
    : m_store(std::move(store))
    , m_model(profiles) {
    publish(m_store.loadSchedules());
}

QCoro::Task<> ScheduleLibrary::reload() {
    const quint64 editsBefore = m_edits;
    // The library goes with the window, which may close before the disk answers.
    const QPointer<ScheduleListModel> alive = &m_model;
    auto read = [store = m_store] { return store.loadSchedules(); };
    const QList<DockSchedule> loaded = co_await DiskQueue::run(std::move(read));
    if (alive && m_edits == editsBefore)
        publish(loaded);
}

void ScheduleLibrary::publish(const QList<DockSchedule>& schedules) {
    m_schedules = schedules;
    m_model.setSchedules(schedules);
}

QCoro::Task<ScheduleLibrary::Outcome> ScheduleLibrary::store(QList<DockSchedule> schedules) {
    ++m_edits;
    publish(schedules);
    // Saves run in the order they were made, so the file ends with the list published last.
    auto save = [store = m_store, schedules] { store.saveSchedules(schedules); };
    Outcome failure;
    try {
        co_await DiskQueue::run(std::move(save));
    } catch (const std::exception& error) {
        failure = OperationRunner::descriptionOf(error);
    }
    co_return failure;
}

QCoro::Task<ScheduleLibrary::Outcome> ScheduleLibrary::add(DockSchedule schedule) {
    QList<DockSchedule> schedules = m_schedules;
    schedules.append(schedule);
    co_return co_await store(std::move(schedules));
}

QCoro::Task<ScheduleLibrary::Outcome> ScheduleLibrary::edit(QUuid id,
                                                            std::function<void(DockSchedule&)> change) {
    QList<DockSchedule> schedules = m_schedules;
    const auto match = std::find_if(schedules.begin(), schedules.end(),
                                    [&](const DockSchedule& stored) { return stored.id == id; });
    if (match == schedules.end())
        co_return noLongerListed();
    change(*match);
    co_return co_await store(std::move(schedules));
}

QCoro::Task<ScheduleLibrary::Outcome> ScheduleLibrary::remove(QUuid id) {
    QList<DockSchedule> schedules = m_schedules;
    if (schedules.removeIf([&](const DockSchedule& stored) { return stored.id == id; }) == 0)
        co_return noLongerListed();
    co_return co_await store(std::move(schedules));
}
