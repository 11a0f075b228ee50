// SPDX-License-Identifier: MIT
#include "ScheduleStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

ScheduleStore::ScheduleStore(QString applicationSupportFolder)
    : m_store(QDir(applicationSupportFolder).filePath(u"schedules.json"_s),
              //: Names the records in "the %1 file" and "Couldn't save the %1: %2.".
              QCoreApplication::translate("ScheduleStore", "schedules"), QJsonDocument::Compact) {}

QString ScheduleStore::schedulesFileURL() const {
    // A folder that cannot be made is reported by the save that needs it, with the system's reason.
    QDir().mkpath(QFileInfo(m_store.path()).absolutePath());
    return m_store.path();
}

QList<DockSchedule> ScheduleStore::loadSchedules() const {
    return m_store.load();
}

void ScheduleStore::saveSchedules(const QList<DockSchedule>& schedules) const {
    m_store.save(schedules);
}
