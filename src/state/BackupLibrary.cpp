// SPDX-License-Identifier: MIT
#include "BackupLibrary.h"

#include <QDir>

#include <algorithm>

namespace {

QStringList listedOrNone(const BackupService& service) {
    try {
        return service.listBackups();
    } catch (const std::exception&) {
        return {};
    }
}

} // namespace

BackupLibrary::BackupLibrary(BackupService service)
    : m_service(std::move(service)) {}

void BackupLibrary::reload() {
    m_model.setPaths(listedOrNone(m_service));
}

QCoro::Task<> BackupLibrary::create() {
    const QString created = co_await m_service.createBackup();
    QStringList backups = listedOrNone(m_service);
    const auto sameFile = [&](const QString& listed) {
        return QDir::cleanPath(listed) == QDir::cleanPath(created);
    };
    if (std::none_of(backups.begin(), backups.end(), sameFile))
        backups.prepend(created);
    m_model.setPaths(backups);
}

QCoro::Task<> BackupLibrary::restore(QString path) const {
    return m_service.restoreBackup(std::move(path));
}

void BackupLibrary::remove(const QString& path) {
    try {
        m_service.deleteBackup(path);
    } catch (const std::exception&) {
        // The refreshed list shows whether it went.
    }
    reload();
}
