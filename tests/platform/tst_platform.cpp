// SPDX-License-Identifier: MIT
#include "Columns.h"
#include "TestFiles.h"
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
        columns<QByteArray, bool>("value", "honoured");
        QTest::newRow("absolute") << QByteArray("/opt/tools/zsh") << true;
        QTest::newRow("relative") << QByteArray("tools/zsh") << false;
        QTest::newRow("empty") << QByteArray("") << false;
    }

    void overridesOnlyWhenAbsolute() {
        QFETCH(QByteArray, value);
        QFETCH(bool, honoured);
        TestHome home;
        const Platform standard = Platform::current();
        const char* const variables[] = {"BERTHWISE_SHELL", "BERTHWISE_DEFAULTS", "BERTHWISE_KILLALL"};
        for (const char* variable : variables)
            qputenv(variable, value);
        const Platform platform = Platform::current();
        for (const char* variable : variables)
            qunsetenv(variable);
        const QString expected = QString::fromUtf8(value);
        QCOMPARE(platform.shellPath, honoured ? expected : standard.shellPath);
        QCOMPARE(platform.defaultsPath, honoured ? expected : standard.defaultsPath);
        QCOMPARE(platform.killallPath, honoured ? expected : standard.killallPath);
    }

    // Nothing the app or its children touch lies outside the home, and the children find the
    // simulator before any system tool of the same name.
    void describesTheSystemInsideTheHome() {
        TestHome home;
        const Platform platform = Platform::current();
        for (const QString& path :
             {platform.applicationSupportFolder, platform.dockPreferencesFile, platform.temporaryFolder})
            QVERIFY2(path.startsWith(home.path() + u'/'), qPrintable(path));
        const QProcessEnvironment children = platform.childEnvironment();
        QCOMPARE(children.value(u"PATH"_s).split(u':').first(), platform.simulatorFolder);
        QCOMPARE(children.value(u"BERTHWISE_SIMULATED_DOCK"_s), platform.simulatedDockFolder);
    }

    // A login shell may rebuild PATH from the system profile; the bare `defaults` in a script must
    // still reach the simulated Dock, whose first start left a layout to read and whose later starts
    // never overwrite one.
    void loginShellScriptReachesTheSimulatedDock() {
        TestHome home;
        const Platform platform = Platform::current();
        QVERIFY(SimulatedDock::launch(platform));
        QProcess shell;
        shell.setProcessEnvironment(platform.childEnvironment());
        shell.start(platform.shellPath,
                    {u"-lc"_s, u"defaults read com.apple.dock tilesize\n"
                               u"defaults write com.apple.dock tilesize -int 52\nkillall Dock"_s});
        QVERIFY(shell.waitForFinished(60'000));
        QCOMPARE(shell.readAllStandardOutput(), QByteArray("48\n"));
        QCOMPARE(home.dockRestarts(), 1);

        const QByteArray customised = TestFiles::content(platform.dockPreferencesFile);
        QVERIFY(SimulatedDock::launch(platform));
        QCOMPARE(TestFiles::content(platform.dockPreferencesFile), customised);
    }
};

QTEST_GUILESS_MAIN(PlatformTest)
#include "tst_platform.moc"
