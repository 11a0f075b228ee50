// SPDX-License-Identifier: MIT
#pragma once

#include "dock/CommandResult.h"
#include "platform/Platform.h"
#include "stores/DockProfile.h"
#include "stores/DockSchedule.h"

#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>

// A throw-away home folder for one test: HOME, XDG folders, TMPDIR and the simulated Dock all live
// inside it, and QStandardPaths runs in test mode, so no test touches the user's files.
class TestHome {
public:
    TestHome();
    ~TestHome();
    TestHome(const TestHome&) = delete;
    TestHome& operator=(const TestHome&) = delete;

    [[nodiscard]] QString path() const { return m_dir.path(); }
    // Sets an environment variable, which the programs a test starts inherit, until the home goes.
    void setVariable(const char* name, const QByteArray& value);

    // The platform as the app would see it inside this home, running against the simulated Dock.
    [[nodiscard]] Platform platform() const { return Platform::current(); }

    // The same platform with the shell, `defaults` and `killall` replaced by the recording program,
    // which appends each call's arguments to recordFile() and exits with recordedExitCode.
    [[nodiscard]] Platform recordingPlatform() const;
    [[nodiscard]] QString recordFile() const { return m_dir.filePath(QStringLiteral("calls.jsonl")); }
    // Each call recorded so far: its program name followed by its arguments.
    [[nodiscard]] QList<QStringList> recordedCalls() const;
    // The scripts handed to the recording shell after "-lc", in order.
    [[nodiscard]] QStringList recordedScripts() const;
    void clearRecords() const { QFile::remove(recordFile()); }

    // How often the simulated Dock was restarted.
    [[nodiscard]] int dockRestarts() const;
    // Runs the simulated `defaults VERB com.apple.dock ARGUMENTS...`; the output comes trimmed.
    CommandResult dock(const QString& verb, const QStringList& arguments = {}) const;
    // Leaves these records in the stores, as an earlier run would have.
    void store(const QList<DockProfile>& profiles, const QList<DockSchedule>& schedules = {}) const;

private:
    QTemporaryDir m_dir;
    QList<std::pair<QByteArray, QByteArray>> m_savedEnvironment;
};
