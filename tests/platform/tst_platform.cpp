// SPDX-License-Identifier: MIT
#include "TestHome.h"
#include "platform/Platform.h"
#include "platform/SimulatedDock.h"

#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

class PlatformTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void overridesOnlyWhenAbsolute_data() {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("honoured");
        QTest::newRow("absolute") << QByteArray("/opt/tools/zsh") << true;
        QTest::newRow("relative") << QByteArray("tools/zsh") << false;
        QTest::newRow("bare name") << QByteArray("zsh") << false;
        QTest::newRow("empty") << QByteArray("") << false;
    }

    void overridesOnlyWhenAbsolute() {
        QFETCH(QByteArray, value);
        QFETCH(bool, honoured);
        TestHome home;
        const Platform standard = Platform::current();
        qputenv("BERTHWISE_SHELL", value);
        qputenv("BERTHWISE_DEFAULTS", value);
        qputenv("BERTHWISE_KILLALL", value);
        const Platform platform = Platform::current();
        qunsetenv("BERTHWISE_SHELL");
        qunsetenv("BERTHWISE_DEFAULTS");
        qunsetenv("BERTHWISE_KILLALL");
        const QString expected = QString::fromUtf8(value);
        QCOMPARE(platform.shellPath, honoured ? expected : standard.shellPath);
        QCOMPARE(platform.defaultsPath, honoured ? expected : standard.defaultsPath);
        QCOMPARE(platform.killallPath, honoured ? expected : standard.killallPath);
    }

    void foldersFollowTheHome() {
        TestHome home;
        const Platform platform = Platform::current();
        QVERIFY(platform.applicationSupportFolder.startsWith(home.path()));
        QVERIFY(platform.dockPreferencesFile.startsWith(home.path()));
        QVERIFY(platform.temporaryFolder.startsWith(home.path()));
        QCOMPARE(platform.backupsFolder(), platform.applicationSupportFolder + u"/Backups"_s);
    }

    void childrenFindTheSimulatorFirst() {
        TestHome home;
        const Platform platform = Platform::current();
        const QStringList path = platform.childEnvironment().value(u"PATH"_s).split(u':');
        QCOMPARE(path.first(), platform.simulatorFolder);
        QCOMPARE(platform.childEnvironment().value(u"BERTHWISE_SIMULATED_DOCK"_s),
                 platform.simulatedDockFolder);
    }

    // A login shell may rebuild PATH from the system profile; the bare `defaults` in a script must
    // still reach the simulated Dock.
    void loginShellScriptReachesTheSimulator() {
        TestHome home;
        const Platform platform = Platform::current();
        QProcess shell;
        shell.setProcessEnvironment(platform.childEnvironment());
        shell.start(platform.shellPath, {u"-lc"_s, u"defaults write com.apple.dock tilesize -int 52\n"
                                                   u"defaults read com.apple.dock tilesize\nkillall Dock"_s});
        QVERIFY(shell.waitForFinished(60'000));
        QCOMPARE(shell.readAllStandardOutput(), QByteArray("52\n"));
        QCOMPARE(home.dockRestarts(), 1);
        QVERIFY(QFile::exists(platform.dockPreferencesFile));
    }

    // The first start must leave a layout the tools can read, and never overwrite one.
    void simulatedDockWritesItsPreferencesOnlyOnce() {
        TestHome home;
        const Platform platform = Platform::current();
        QVERIFY(SimulatedDock::launch(platform));
        QProcess defaults;
        defaults.setProcessEnvironment(platform.childEnvironment());
        defaults.start(platform.defaultsPath, {u"read"_s, u"com.apple.dock"_s, u"tilesize"_s});
        QVERIFY(defaults.waitForFinished(30'000));
        QCOMPARE(defaults.readAllStandardOutput(), QByteArray("48\n"));

        QFile file(platform.dockPreferencesFile);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("customised");
        file.close();
        QVERIFY(SimulatedDock::launch(platform));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("customised"));
    }
};

QTEST_GUILESS_MAIN(PlatformTest)
#include "tst_platform.moc"
