// SPDX-License-Identifier: MIT
#include "PresetService.h"

#include "common/Error.h"

#include <QCoro/QCoroFuture>
#include <QtConcurrent/QtConcurrentRun>

namespace {

void backUp(const BackupService& backups) {
    try {
        (void)backups.createBackup();
    } catch (const Error&) {
        // Without a live preferences file there is nothing to back up; the preset still applies.
    }
}

} // namespace

PresetService::PresetService(DockService dockService, BackupService backupService)
    : m_dockService(std::move(dockService))
    , m_backupService(std::move(backupService)) {}

QCoro::Task<> PresetService::applyPreset(DockPreset preset) const {
    // The copy is made safe on disk before it counts as taken, a wait the interface thread must not
    // share.
    co_await QtConcurrent::run(&backUp, m_backupService);
    co_await m_dockService.applyConfiguration(static_cast<const DockConfiguration&>(preset));
}
