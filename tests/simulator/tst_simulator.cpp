// SPDX-License-Identifier: MIT
#include "TestFiles.h"
#include "TestHome.h"

#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;
using TestFiles::content;

// Drives the simulated `defaults` and `killall` as separate processes, the way the app's scripts do.
class SimulatorTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Like the real Dock, the restarted one writes its first layout when it finds no preferences,
    // and leaves any file it finds alone.
    void killallRelaunchesTheDock_data() {
        QTest::addColumn<bool>("reset");
        QTest::newRow("after a reset") << true;
        QTest::newRow("customised") << false;
    }

    void killallRelaunchesTheDock() {
        QFETCH(bool, reset);
        TestHome home;
        const QString domainFile = home.platform().dockPreferencesFile;
        QCOMPARE(home.dock(u"write"_s, {u"tilesize"_s, u"-int"_s, u"64"_s}).exitCode, 0);
        if (reset)
            QCOMPARE(home.dock(u"delete"_s).exitCode, 0);
        const QByteArray before = content(domainFile);

        QCOMPARE(QProcess::execute(home.platform().killallPath, {u"Dock"_s}), 0);
        QCOMPARE(home.dockRestarts(), 1);
        if (!reset) {
            QCOMPARE(content(domainFile), before);
            return;
        }
        QCOMPARE(
            home.dock(u"read"_s).output,
            u"{\n    mineffect = genie;\n    orientation = bottom;\n    \"persistent-apps\" = (\n    );\n"
            u"    \"persistent-others\" = (\n    );\n    \"show-recents\" = 1;\n    tilesize = 48;\n}"_s);
    }
};

QTEST_GUILESS_MAIN(SimulatorTest)
#include "tst_simulator.moc"
