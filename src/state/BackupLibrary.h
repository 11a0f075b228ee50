// SPDX-License-Identifier: MIT
#pragma once

#include "BackupListModel.h"
#include "stores/BackupService.h"

#include <QCoro/QCoroTask>

// The backups the Backup & Restore screen lists, and the operations on them. Listing and deleting
// never report: the list simply shows the folder as it is.
class BackupLibrary {
public:
    explicit BackupLibrary(BackupService service);

    [[nodiscard]] BackupListModel* model() { return &m_model; }
    [[nodiscard]] const BackupService& service() const { return m_service; }

    // A folder that cannot be listed shows as no backups.
    void reload();
    // The new backup is listed first even when the folder cannot be listed.
    [[nodiscard]] QCoro::Task<> create();
    // Puts the backup's preferences back on the Dock.
    [[nodiscard]] QCoro::Task<> restore(QString path) const;
    // A backup that cannot be deleted stays listed; nothing else is said.
    void remove(const QString& path);

private:
    BackupService m_service;
    BackupListModel m_model;
};
