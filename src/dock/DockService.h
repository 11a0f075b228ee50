// SPDX-License-Identifier: MIT
#pragma once

#include "ShellService.h"
#include "model/CapturedDockConfiguration.h"
#include "model/DockSection.h"
#include "model/DockSetting.h"
#include "model/DockSpacerType.h"
#include "model/RecentStackType.h"

#include <QByteArray>
#include <QCoro/QCoroTask>

#include <optional>

// Reads, writes, extends, exports, imports and resets the Dock's preferences with the system's own
// tools, the way a careful user would in a terminal.
class DockService {
public:
    explicit DockService(ShellService shell);

    [[nodiscard]] const ShellService& shell() const noexcept { return m_shell; }

    // Reading never fails: a value that cannot be read is nothing, and a whole reading falls back to
    // the defaults of DockConfiguration key by key.
    [[nodiscard]] QCoro::Task<std::optional<QString>> readValue(QString key) const;
    [[nodiscard]] QCoro::Task<CapturedDockConfiguration> readConfiguration() const;
    [[nodiscard]] static CapturedDockConfiguration parseConfiguration(const QByteArray& plistData);

    // Each write is one script ending in "killall Dock"; only a shell that cannot start fails it.
    // writeSetting writes that one setting's value in `values`; applyConfiguration writes every
    // setting, one script each.
    [[nodiscard]] QCoro::Task<> writeSetting(DockSetting setting, DockConfiguration values) const;
    [[nodiscard]] QCoro::Task<> applyConfiguration(DockConfiguration configuration) const;

    [[nodiscard]] QCoro::Task<> addSpacer(DockSpacerType type, DockSection section) const;
    [[nodiscard]] QCoro::Task<> addRecentStack(RecentStackType type) const;

    // The whole domain as the bytes `defaults export` wrote; throws DockError, a launch or a file error.
    [[nodiscard]] QCoro::Task<QByteArray> exportDockPreferences() const;
    // Replaces the whole domain and restarts the Dock; a failed import leaves the Dock running as it was.
    [[nodiscard]] QCoro::Task<> importDockPreferences(QByteArray data) const;
    // The same from a property-list file, which the preferences system reads for itself.
    [[nodiscard]] QCoro::Task<> importDockPreferencesFile(QString path) const;
    [[nodiscard]] QCoro::Task<> resetDock() const;

private:
    [[nodiscard]] QCoro::Task<> runScript(QString script) const;

    ShellService m_shell;
};
