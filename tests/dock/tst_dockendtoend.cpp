// SPDX-License-Identifier: MIT
#include "DockTesting.h"
#include "RunTask.h"
#include "TestHome.h"
#include "dock/DockError.h"
#include "dock/DockService.h"

#include <QDir>
#include <QTest>

namespace {

CommandResult readList(const Platform& platform, const QString& list) {
    return runTask(ShellService(platform).run(platform.defaultsPath, {u"read"_s, u"com.apple.dock"_s, list}));
}

} // namespace

// The service against the simulated Dock: what is written must read back, and a layout must survive
// an export and an import.
class DockEndToEndTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void appliedConfigurationReadsBack_data() {
        QTest::addColumn<CapturedDockConfiguration>("before");
        QTest::addColumn<CapturedDockConfiguration>("applied");
        using C = CapturedDockConfiguration;

        QTest::newRow("customised on a fresh Dock") << C() << customisedConfiguration();
        QTest::newRow("back to the defaults") << customisedConfiguration() << C();
        QTest::newRow("right and suck, large sizes") << customisedConfiguration() << configured([](C& c) {
            c.dockSize = 96;
            c.magnificationSize = 512;
            c.orientation = DockPosition::right;
            c.minimizeEffect = MinimizeEffect::suck;
            c.autoHide = true;
        });
    }

    void appliedConfigurationReadsBack() {
        QFETCH(CapturedDockConfiguration, before);
        QFETCH(CapturedDockConfiguration, applied);
        TestHome home;
        const DockService dock{ShellService(home.platform())};

        runTask(dock.applyConfiguration(before));
        const int restarts = home.dockRestarts();
        runTask(dock.applyConfiguration(applied));

        QCOMPARE(runTask(dock.readConfiguration()), applied);
        QCOMPARE(home.dockRestarts() - restarts, 12);
    }

    void importOfAnExportRestoresTheLayout() {
        TestHome home;
        const Platform platform = home.platform();
        const DockService dock{ShellService(platform)};
        runTask(dock.applyConfiguration(customisedConfiguration()));

        const QByteArray exported = runTask(dock.exportDockPreferences());
        QCOMPARE(DockService::parseConfiguration(exported), customisedConfiguration());

        runTask(dock.addSpacer(DockSpacerType::standard, DockSection::apps));
        runTask(dock.addSpacer(DockSpacerType::standard, DockSection::apps));
        runTask(dock.addSpacer(DockSpacerType::small, DockSection::others));
        runTask(dock.addRecentStack(RecentStackType::servers));
        runTask(dock.writeInt(DockPreferenceKey::tileSize, 20));
        runTask(dock.setFastAutoHide(false));
        QVERIFY(readList(platform, u"persistent-apps"_s).output.count(u"spacer-tile"_s) == 2);
        const QString others = readList(platform, u"persistent-others"_s).output;
        QVERIFY2(others.contains(u"small-spacer-tile"_s) && others.contains(u"recents-tile"_s),
                 qPrintable(others));
        const int restarts = home.dockRestarts();

        runTask(dock.importDockPreferences(exported));

        QCOMPARE(home.dockRestarts() - restarts, 1);
        QCOMPARE(runTask(dock.readConfiguration()), customisedConfiguration());
        QVERIFY(readList(platform, u"persistent-apps"_s).exitCode != 0);
        QVERIFY(readList(platform, u"persistent-others"_s).exitCode != 0);
        QCOMPARE(
            QDir(platform.temporaryFolder).entryList({u"berthwise-*"_s}, QDir::AllEntries | QDir::Hidden),
            QStringList());
    }

    void resetOfAnEmptyDomainStillRestartsTheDock() {
        TestHome home;
        const DockService dock{ShellService(home.platform())};

        runTask(dock.resetDock());

        QCOMPARE(home.dockRestarts(), 1);
        QCOMPARE(runTask(dock.readConfiguration()), CapturedDockConfiguration());
    }
};

QTEST_GUILESS_MAIN(DockEndToEndTest)
#include "tst_dockendtoend.moc"
