// SPDX-License-Identifier: MIT
#pragma once

#include "BackupListModel.h"
#include "stores/BackupService.h"

#include <QCoro/QCoroTask>

// The backups the Backup & Restore screen lists, and the operations that change them. Listing and
// deleting never report: the list simply shows the folder as it is.
class BackupLibrary {
public:
    explicit BackupLibrary(BackupService service);

    [[nodiscard]] BackupListModel* model() { return &m_model; }
    [[nodiscard]] const BackupListModel& model() const { return m_model; }
    [[nodiscard]] const BackupService& service() const { return m_service; }

    // A folder that cannot be listed shows as no backups.
    void reload();
    // The new backup is listed first even when the folder cannot be listed.
    [[nodiscard]] QCoro::Task<> create();
    // A backup that cannot be deleted stays listed; nothing else is said.
    void remove(const QString& path);

private:
    BackupService m_service;
    BackupListModel m_model;
};
