// SPDX-License-Identifier: MIT
#pragma once

#include "BackupService.h"
#include "DockPreset.h"
#include "dock/DockService.h"

#include <QCoro/QCoroTask>

// Applies a preset's twelve settings after an automatic backup.
class PresetService {
public:
    PresetService(DockService dockService, BackupService backupService);

    // A backup that cannot be taken does not stop the apply.
    [[nodiscard]] QCoro::Task<> applyPreset(DockPreset preset) const;

private:
    DockService m_dockService;
    BackupService m_backupService;
};
