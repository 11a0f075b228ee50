// SPDX-License-Identifier: MIT
#pragma once

#include "JsonListStore.h"
#include "ScheduleCoder.h"

#include <QList>
#include <QString>

// Reads and writes the schedules file; the list itself lives in the view model.
class ScheduleStore {
public:
    explicit ScheduleStore(QString applicationSupportFolder);

    // Creates the folder that holds it; a failure shows up at the next save.
    [[nodiscard]] QString schedulesFileURL() const;
    // In file order; a missing or undecodable file is an empty list.
    [[nodiscard]] QList<DockSchedule> loadSchedules() const;
    // Writes the whole list atomically; an existing file that cannot be decoded is first kept aside.
    void saveSchedules(const QList<DockSchedule>& schedules) const;

private:
    JsonListStore<ScheduleCoder> m_store;
};
