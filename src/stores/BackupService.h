// SPDX-License-Identifier: MIT
#pragma once

#include "dock/ShellService.h"

#include <QCoro/QCoroTask>
#include <QStringList>

// Keeps byte copies of the Dock's preferences file in the backups folder and puts them back.
class BackupService {
public:
    explicit BackupService(ShellService shell);

    // The new backup's absolute path; a second backup within the same second replaces the first.
    // Copies are made on the disk queue, like the restore's.
    [[nodiscard]] QCoro::Task<QString> createBackup() const;
    // Absolute paths of the backups, newest first; a missing folder is an empty list.
    [[nodiscard]] QStringList listBackups() const;
    // Replaces the live preferences file in one step, then restarts the Dock; a backup that is not a
    // property list with a dictionary at its top is refused and the live file is left untouched.
    [[nodiscard]] QCoro::Task<> restoreBackup(QString backupFile) const;
    void deleteBackup(const QString& backupFile) const;

    [[nodiscard]] const ShellService& shell() const noexcept { return m_shell; }

private:
    ShellService m_shell;
};
