// SPDX-License-Identifier: MIT
#include "BackupLibrary.h"

#include "stores/DiskQueue.h"

#include <QDir>
#include <QPointer>

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

QCoro::Task<> BackupLibrary::reload() {
    auto list = [service = m_service] { return listedOrNone(service); };
    co_await show(std::move(list), {});
}

QCoro::Task<> BackupLibrary::create() {
    const QString created = co_await m_service.createBackup();
    auto list = [service = m_service] { return listedOrNone(service); };
    co_await show(std::move(list), created);
}

QCoro::Task<> BackupLibrary::restore(QString path) const {
    return m_service.restoreBackup(std::move(path));
}

QCoro::Task<> BackupLibrary::remove(QString path) {
    auto removeAndList = [service = m_service, path] {
        try {
            service.deleteBackup(path);
        } catch (const std::exception&) {
            // The refreshed list shows whether it went.
        }
        return listedOrNone(service);
    };
    co_await show(std::move(removeAndList), {});
}

QCoro::Task<> BackupLibrary::show(std::function<QStringList()> list, QString created) {
    // Listed on the disk queue: ten thousand names keep the interface thread waiting too long, and
    // there the list comes after the backup or deletion before it has landed.
    const QPointer<BackupListModel> alive = &m_model;
    QStringList backups = co_await DiskQueue::run(std::move(list));
    if (!alive)
        co_return;
    const auto sameFile = [&](const QString& listed) {
        return QDir::cleanPath(listed) == QDir::cleanPath(created);
    };
    if (!created.isEmpty() && std::none_of(backups.begin(), backups.end(), sameFile))
        backups.prepend(created);
    m_model.setPaths(backups);
}
