// SPDX-License-Identifier: MIT
#include "Platform.h"

#include "SimulatorFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

constexpr char simulatedDockVariable[] = "BERTHWISE_SIMULATED_DOCK";

// Only an absolute path may replace a system program; anything else would resolve against an
// unpredictable working directory.
QString overridden(const char* variable, const QString& fallback) {
    const QString value = qEnvironmentVariable(variable);
    return !value.isEmpty() && QDir::isAbsolutePath(value) ? value : fallback;
}

QString simulatorExecutablesFolder() {
    // Installed or in the build tree, the simulator lies at the same place relative to the app; only
    // the build tree's other programs (tests, benchmarks) need the build's own folder.
    if (QCoreApplication::instance()) {
        const QString besideApp =
            QDir::cleanPath(QDir(QCoreApplication::applicationDirPath())
                                .filePath(QStringLiteral(BERTHWISE_SIMULATOR_RELATIVE_DIR)));
        if (QFileInfo::exists(besideApp + u"/defaults"_s))
            return besideApp;
    }
    return QStringLiteral(BERTHWISE_SIMULATOR_DIR);
}

Platform simulated() {
    Platform platform;
    platform.homeFolder = QDir::homePath();
    platform.temporaryFolder = QDir::tempPath();
    platform.applicationSupportFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/Berthwise"_s;
    platform.simulatorFolder = simulatorExecutablesFolder();
    // Computed from the environment rather than QStandardPaths so that the app, whose tests run in
    // QStandardPaths' test mode, and the simulator's processes always agree on the folder.
    platform.simulatedDockFolder = QFile::decodeName(SimulatorFolder::fromEnvironment().path().c_str());
    platform.dockPreferencesFile = platform.simulatedDockFolder + u"/com.apple.dock.plist"_s;
    platform.shellPath = overridden("BERTHWISE_SHELL", u"/bin/zsh"_s);
    platform.defaultsPath = overridden("BERTHWISE_DEFAULTS", platform.simulatorFolder + u"/defaults"_s);
    platform.killallPath = overridden("BERTHWISE_KILLALL", platform.simulatorFolder + u"/killall"_s);
    return platform;
}

} // namespace

Platform Platform::current() {
#ifdef Q_OS_MACOS
    // The real Dock, unless the simulated one is asked for by name: tests on a Mac must never touch
    // the user's own Dock.
    if (!QDir::isAbsolutePath(qEnvironmentVariable(simulatedDockVariable))) {
        Platform platform;
        platform.homeFolder = QDir::homePath();
        platform.temporaryFolder = QDir::tempPath();
        platform.applicationSupportFolder = platform.homeFolder + u"/Library/Application Support/Berthwise"_s;
        platform.dockPreferencesFile = platform.homeFolder + u"/Library/Preferences/com.apple.dock.plist"_s;
        platform.shellPath = overridden("BERTHWISE_SHELL", u"/bin/zsh"_s);
        platform.defaultsPath = overridden("BERTHWISE_DEFAULTS", u"/usr/bin/defaults"_s);
        platform.killallPath = overridden("BERTHWISE_KILLALL", u"/usr/bin/killall"_s);
        return platform;
    }
#endif
    return simulated();
}

QProcessEnvironment Platform::childEnvironment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!simulatorFolder.isEmpty()) {
        const QString path = environment.value(u"PATH"_s);
        environment.insert(u"PATH"_s, path.isEmpty() ? simulatorFolder : simulatorFolder + u':' + path);
    }
    if (!simulatedDockFolder.isEmpty())
        environment.insert(QString::fromLatin1(simulatedDockVariable), simulatedDockFolder);
    return environment;
}

QString Platform::backupsFolder() const {
    return applicationSupportFolder + u"/Backups"_s;
}

QString Platform::profilesFile() const {
    return applicationSupportFolder + u"/Profiles.json"_s;
}
