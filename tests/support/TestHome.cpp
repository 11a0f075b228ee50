// SPDX-License-Identifier: MIT
#include "TestHome.h"
#include "stores/ProfileService.h"
#include "stores/ScheduleStore.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {
const char* const isolatedVariables[] = {"HOME",
                                         "XDG_DATA_HOME",
                                         "XDG_CONFIG_HOME",
                                         "TMPDIR",
                                         "BERTHWISE_SIMULATED_DOCK",
                                         "BERTHWISE_RECORD_FILE",
                                         "BERTHWISE_RECORD_DOMAIN_FILE"};
}

TestHome::TestHome() {
    for (const char* name : isolatedVariables)
        m_savedEnvironment.append({name, qgetenv(name)});
    const QByteArray root = QFile::encodeName(m_dir.path());
    QDir(m_dir.path()).mkpath(u"tmp"_s);
    qputenv("HOME", root);
    qputenv("XDG_DATA_HOME", root + "/.local/share");
    qputenv("XDG_CONFIG_HOME", root + "/.config");
    qputenv("TMPDIR", root + "/tmp");
    qputenv("BERTHWISE_SIMULATED_DOCK", root + "/SimulatedDock");
    qputenv("BERTHWISE_RECORD_FILE", root + "/calls.jsonl");
    qputenv("BERTHWISE_RECORD_DOMAIN_FILE", root + "/SimulatedDock/com.apple.dock.plist");
    QStandardPaths::setTestModeEnabled(true);
}

TestHome::~TestHome() {
    // Backwards, so that a variable saved twice ends as it was first found.
    for (auto saved = m_savedEnvironment.crbegin(); saved != m_savedEnvironment.crend(); ++saved) {
        if (saved->second.isNull())
            qunsetenv(saved->first.constData());
        else
            qputenv(saved->first.constData(), saved->second);
    }
}

void TestHome::setVariable(const char* name, const QByteArray& value) {
    m_savedEnvironment.append({name, qgetenv(name)});
    qputenv(name, value);
}

Platform TestHome::recordingPlatform() const {
    Platform recording = platform();
    const QString recorder = QStringLiteral(BERTHWISE_RECORDER);
    recording.shellPath = recorder;
    recording.defaultsPath = recorder;
    recording.killallPath = recorder;
    return recording;
}

QList<QStringList> TestHome::recordedCalls() const {
    QFile file(recordFile());
    QList<QStringList> calls;
    if (!file.open(QIODevice::ReadOnly))
        return calls;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.isEmpty())
            continue;
        QStringList call;
        for (const QJsonValue& value : QJsonDocument::fromJson(line).array())
            call.append(value.toString());
        calls.append(call);
    }
    return calls;
}

QStringList TestHome::recordedScripts() const {
    QStringList scripts;
    for (const QStringList& call : recordedCalls()) {
        if (call.size() == 3 && call.at(1) == u"-lc"_s)
            scripts.append(call.at(2));
    }
    return scripts;
}

int TestHome::dockRestarts() const {
    QFile file(m_dir.filePath(u"SimulatedDock/Dock.restarts"_s));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return file.readAll().trimmed().toInt();
}

CommandResult TestHome::dock(const QString& verb, const QStringList& arguments) const {
    const Platform simulated = platform();
    QProcess process;
    process.setProcessEnvironment(simulated.childEnvironment());
    process.start(simulated.defaultsPath, QStringList{verb, u"com.apple.dock"_s} + arguments);
    if (!process.waitForFinished(60'000))
        return {QString(), QString(), -1};
    return {QString::fromUtf8(process.readAllStandardOutput()).trimmed(),
            QString::fromUtf8(process.readAllStandardError()), process.exitCode()};
}

void TestHome::store(const QList<DockProfile>& profiles, const QList<DockSchedule>& schedules) const {
    const Platform p = platform();
    ProfileService(DockService(ShellService(p)), BackupService(ShellService(p)), p.profilesFile())
        .saveProfiles(profiles);
    ScheduleStore(p.applicationSupportFolder).saveSchedules(schedules);
}
