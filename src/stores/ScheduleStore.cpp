// SPDX-License-Identifier: MIT
#include "ScheduleStore.h"

#include "ScheduleCoder.h"
#include "StoreFile.h"
#include "common/Error.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {
const auto schedulesFileDescription = u"the schedules file"_s;
}

ScheduleStore::ScheduleStore(QString applicationSupportFolder)
    : m_applicationSupportFolder(std::move(applicationSupportFolder)) {}

QString ScheduleStore::schedulesFileURL() const {
    // A folder that cannot be made is reported by the save that needs it, with the system's reason.
    QDir().mkpath(m_applicationSupportFolder);
    return QDir(m_applicationSupportFolder).filePath(u"schedules.json"_s);
}

QList<DockSchedule> ScheduleStore::loadSchedules() const {
    const QString path = schedulesFileURL();
    if (!QFileInfo::exists(path))
        return {};
    try {
        return ScheduleCoder::decodeList(StoreFile::read(path, schedulesFileDescription));
    } catch (const Error&) {
        return {};
    }
}

void ScheduleStore::saveSchedules(const QList<DockSchedule>& schedules) const {
    const QString path = schedulesFileURL();
    QByteArray json;
    try {
        json = ScheduleCoder::encodeList(schedules);
    } catch (const Error& error) {
        throw Error(u"Couldn't save the schedules: %1."_s.arg(error.description()));
    }
    StoreFile::keepAsideIfUndecodable(path, schedulesFileDescription, &ScheduleCoder::decodesAsList);
    StoreFile::write(path, json, schedulesFileDescription);
}
