// SPDX-License-Identifier: MIT
#pragma once

#include <QProcessEnvironment>
#include <QString>

// Describes the system Berthwise runs on: the programs it starts and the folders it uses.
struct Platform {
    QString shellPath;
    QString defaultsPath;
    QString killallPath;
    QString homeFolder;
    QString temporaryFolder;
    QString applicationSupportFolder;
    QString dockPreferencesFile;
    // The simulated Dock's executables; put first on children's PATH so that the bare `defaults` and
    // `killall` inside scripts reach them. Empty where the real Dock exists.
    QString simulatorFolder;
    // Where the simulated Dock keeps its domains; empty where the real Dock exists.
    QString simulatedDockFolder;

    // The running system, with the BERTHWISE_SHELL, BERTHWISE_DEFAULTS and BERTHWISE_KILLALL overrides.
    // The simulated Dock stands in wherever there is no Dock, and on macOS too when
    // BERTHWISE_SIMULATED_DOCK names its folder by an absolute path.
    [[nodiscard]] static Platform current();

    // The environment of every program Berthwise starts: its own, plus the simulator's folder.
    [[nodiscard]] QProcessEnvironment childEnvironment() const;

    [[nodiscard]] QString backupsFolder() const;
    [[nodiscard]] QString profilesFile() const;
};
