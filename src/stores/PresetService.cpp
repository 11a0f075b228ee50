// SPDX-License-Identifier: MIT
#include "PresetService.h"

#include "common/Error.h"

PresetService::PresetService(DockService dockService, BackupService backupService)
    : m_dockService(std::move(dockService))
    , m_backupService(std::move(backupService)) {}

QCoro::Task<> PresetService::applyPreset(DockPreset preset) const {
    try {
        (void)co_await m_backupService.createBackup();
    } catch (const Error&) {
        // Without a live preferences file there is nothing to back up; the preset still applies.
    }
    co_await m_dockService.applyConfiguration(static_cast<const DockConfiguration&>(preset));
}
