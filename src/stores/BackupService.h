// SPDX-License-Identifier: MIT
#pragma once

#include "dock/ShellService.h"

#include <QCoro/QCoroTask>
#include <QStringList>

// Keeps copies of the Dock's whole preferences domain in the backups folder and puts them back, both
// through the preferences system.
class BackupService {
public:
    explicit BackupService(ShellService shell);

    // The new backup's absolute path: the domain as `defaults export` gives it, saved on the disk queue.
    // A second backup within the same second replaces the first.
    [[nodiscard]] QCoro::Task<QString> createBackup() const;
    // Absolute paths of the backups, newest first; a missing folder is an empty list.
    [[nodiscard]] QStringList listBackups() const;
    // Imports the backup into the Dock's domain, then restarts the Dock. A backup that is not a property
    // list with a dictionary at its top is refused first, and a failed import (a DockError) changes
    // nothing; either way the Dock is not restarted.
    [[nodiscard]] QCoro::Task<> restoreBackup(QString backupFile) const;
    void deleteBackup(const QString& backupFile) const;

    [[nodiscard]] const ShellService& shell() const noexcept { return m_shell; }

private:
    ShellService m_shell;
};
