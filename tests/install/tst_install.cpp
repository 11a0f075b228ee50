// SPDX-License-Identifier: MIT
#include "TestFiles.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int processDeadlineMs = 120'000;

} // namespace

// `cmake --install` into a temporary prefix, and the installed program started from there.
class TestInstall : public QObject {
    Q_OBJECT

    QTemporaryDir m_prefix;
    QTemporaryDir m_home;

    [[nodiscard]] QString installed(const QString& relative) const { return m_prefix.filePath(relative); }

    // A desktop session's environment with nothing of the build or the user in it.
    [[nodiscard]] QProcessEnvironment isolatedEnvironment() const {
        QProcessEnvironment environment;
        environment.insert(u"PATH"_s, u"/usr/local/bin:/usr/bin:/bin"_s);
        environment.insert(u"HOME"_s, m_home.path());
        environment.insert(u"XDG_DATA_HOME"_s, m_home.filePath(u".local/share"_s));
        environment.insert(u"XDG_CONFIG_HOME"_s, m_home.filePath(u".config"_s));
        environment.insert(u"XDG_CACHE_HOME"_s, m_home.filePath(u".cache"_s));
        environment.insert(u"XDG_RUNTIME_DIR"_s, m_home.filePath(u"runtime"_s));
        environment.insert(u"TMPDIR"_s, m_home.filePath(u"tmp"_s));
        environment.insert(u"LC_ALL"_s, u"C.UTF-8"_s);
        return environment;
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_prefix.isValid() && m_home.isValid());
        for (const QString& folder : {u"runtime"_s, u"tmp"_s})
            QVERIFY(QDir(m_home.path()).mkpath(folder));
        QFile::setPermissions(m_home.filePath(u"runtime"_s),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(QStringLiteral(BERTHWISE_CMAKE),
                      {u"--install"_s, QStringLiteral(BERTHWISE_BUILD_DIR), u"--prefix"_s, m_prefix.path()});
        QVERIFY(install.waitForFinished(processDeadlineMs));
        QVERIFY2(install.exitCode() == 0, install.readAll().constData());
        // The simulator's `defaults` and `killall` would shadow the system's for the whole session.
        QCOMPARE(QDir(installed(u"bin"_s)).entryList(QDir::Files), QStringList{u"berthwise"_s});
    }

    // Started from its prefix with a fresh home, the program runs the installed simulator (seen
    // through a wrapper around it) against the first layout the simulated Dock writes.
    void installedProgramReadsTheSimulatedDock() {
        const QString defaults = installed(u"libexec/berthwise/defaults"_s);
        const QString calls = m_home.filePath(u"defaults-calls"_s);
        QVERIFY(QFile::rename(defaults, defaults + u".installed"_s));
        TestFiles::writeExecutable(defaults, "\"$0.installed\" \"$@\"\nstatus=$?\necho \"$status $*\" >> '" +
                                                 QFile::encodeName(calls) + "'\nexit $status\n");
        QProcessEnvironment environment = isolatedEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(installed(u"bin/berthwise"_s), QStringList());
        QVERIFY(program.waitForStarted());

        const QByteArray readSize = "0 read com.apple.dock tilesize\n";
        QTRY_VERIFY_WITH_TIMEOUT(TestFiles::content(calls).contains(readSize) ||
                                     program.state() != QProcess::Running,
                                 processDeadlineMs);
        QVERIFY2(TestFiles::content(calls).contains(readSize), program.readAllStandardError().constData());
        QVERIFY(QFileInfo::exists(
            m_home.filePath(u".local/share/Berthwise/SimulatedDock/com.apple.dock.plist"_s)));
        QCOMPARE(program.state(), QProcess::Running);
        program.terminate();
        QVERIFY(program.waitForFinished(processDeadlineMs));
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
