// SPDX-License-Identifier: MIT
#pragma once

#include "BackupListModel.h"
#include "stores/BackupService.h"

#include <QCoro/QCoroTask>

#include <functional>

// The backups the Backup & Restore screen lists, and the operations on them. Listing and deleting
// never report: the list simply shows the folder as it is.
class BackupLibrary {
public:
    explicit BackupLibrary(BackupService service);

    [[nodiscard]] BackupListModel* model() { return &m_model; }
    [[nodiscard]] const BackupService& service() const { return m_service; }

    // A folder that cannot be listed shows as no backups. Listing waits off the interface thread.
    [[nodiscard]] QCoro::Task<> reload();
    // The new backup is listed first even when the folder cannot be listed.
    [[nodiscard]] QCoro::Task<> create();
    // Puts the backup's preferences back on the Dock.
    [[nodiscard]] QCoro::Task<> restore(QString path) const;
    // A backup that cannot be deleted stays listed; nothing else is said.
    [[nodiscard]] QCoro::Task<> remove(QString path);

private:
    // Shows what `list` finds, with `created`, when given, listed first even if it was not found.
    [[nodiscard]] QCoro::Task<> show(std::function<QStringList()> list, QString created);

    BackupService m_service;
    BackupListModel m_model;
};
