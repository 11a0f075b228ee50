// SPDX-License-Identifier: MIT
#include "Columns.h"
#include "RunTask.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "dock/DockError.h"
#include "dock/DockPreferenceValues.h"
#include "dock/DockService.h"
#include "model/CapturedDockConfiguration.h"

#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;
using TestFiles::writeExecutable;

// One call on the service, as a table row.
using DockOperation = std::function<QCoro::Task<>(const DockService&)>;

Q_DECLARE_METATYPE(CapturedDockConfiguration)
Q_DECLARE_METATYPE(DockOperation)

namespace {

// Every setting away from its default, so a value that is dropped anywhere on the way shows.
CapturedDockConfiguration customisedConfiguration() {
    return {{.dockSize = 36,
             .magnification = true,
             .magnificationSize = 96,
             .autoHide = true,
             .fastAutoHide = true,
             .showRecentApps = false,
             .minimizeToApplication = true,
             .showHidden = true,
             .showOnlyRunningApps = true,
             .showProcessIndicators = false,
             .orientation = DockPosition::left,
             .minimizeEffect = MinimizeEffect::scale}};
}

QByteArray xmlDictionary(const char* entries) {
    return QByteArray("<?xml version=\"1.0\"?><plist version=\"1.0\"><dict>") + entries + "</dict></plist>";
}

// The recording program as `defaults`, except that an export first leaves a file behind, the way a
// tool that fails half-way through would.
Platform recordingPlatformWithFiles(const TestHome& home) {
    Platform platform = home.recordingPlatform();
    platform.defaultsPath = writeExecutable(home.path() + u"/defaults"_s,
                                            "[ \"$1\" = export ] && printf 'exported bytes' > \"$3\"\n"
                                            "exec '" +
                                                QFile::encodeName(platform.defaultsPath) + "' \"$@\"\n");
    return platform;
}

QStringList leftovers(const Platform& platform) {
    return QDir(platform.temporaryFolder)
        .entryList({u"berthwise-*"_s}, QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
}

// How an operation ended: "ok", or which kind of error it threw and its description.
template <typename T> QString outcome(QCoro::Task<T> task) {
    try {
        runTask(std::move(task));
        return u"ok"_s;
    } catch (const DockError& error) {
        return u"DockError: "_s + error.description();
    } catch (const Error& error) {
        return u"Error: "_s + error.description();
    }
}

QCoro::Task<> exportAndDiscard(DockService dock) {
    co_await dock.exportDockPreferences();
}

QCoro::Task<> importSomething(const DockService& dock) {
    return dock.importDockPreferences("bplist00 not really");
}

} // namespace

// The service drives the Dock through the shell, `defaults` and `killall`; most tests put stand-ins in
// their place, the last ones run it against the simulated Dock.
class DockServiceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Switching fast auto-hide off deletes both timings, and a key that was never set must not make
    // the delete fail; every other script is held by the settings table's test.
    void fastAutoHideOffDeletesBothTimings() {
        TestHome home;
        home.setVariable("BERTHWISE_RECORD_EXIT", "1");
        const DockService dock{ShellService(home.recordingPlatform())};
        runTask(dock.writeSetting(DockSetting::of(&DockConfiguration::fastAutoHide), {}));
        QCOMPARE(
            home.recordedScripts(),
            QStringList{u"defaults delete com.apple.dock autohide-delay || true\n"
                        u"defaults delete com.apple.dock autohide-time-modifier || true\nkillall Dock"_s});
    }

    // What the readers cannot use keeps the default of DockConfiguration, the same way for the text
    // `defaults read` prints (`printed`, "key=value" pairs) and for an exported file (`stored`).
    void readersKeepTheDefaultsForWhatTheyCannotUse_data() {
        columns<QString, QByteArray, CapturedDockConfiguration>("printed", "stored", "expected");
        using C = CapturedDockConfiguration;
        QTest::newRow("unreadable values")
            << u"magnification=maybe autohide=2 tilesize=99999999999999999999 largesize=large"_s
            << QByteArray() << C();
        QTest::newRow("sizes as reals") << u"tilesize=1e2 largesize=-2.9"_s << QByteArray()
                                        << C{{.dockSize = 100, .magnificationSize = -2}};
        QTest::newRow("names in the wrong case")
            << u"orientation=Left mineffect=Scale"_s << QByteArray() << C();
        QTest::newRow("fast: modifier 0.5")
            << u"autohide-delay=0 autohide-time-modifier=0.5"_s << QByteArray() << C();
        QTest::newRow("fast: delay 0.1")
            << u"autohide-delay=0.1 autohide-time-modifier=0"_s << QByteArray() << C();
        QTest::newRow("boolean from the integer 2")
            << QString() << xmlDictionary("<key>magnification</key><integer>2</integer>")
            << C{{.magnification = true}};
        QTest::newRow("fast pair from integers")
            << QString()
            << xmlDictionary("<key>autohide-delay</key><integer>0</integer>"
                             "<key>autohide-time-modifier</key><integer>0</integer>")
            << C{{.fastAutoHide = true}};
    }

    void readersKeepTheDefaultsForWhatTheyCannotUse() {
        QFETCH(QString, printed);
        QFETCH(QByteArray, stored);
        if (!printed.isEmpty()) {
            QHash<QString, QString> texts;
            for (const QString& pair : printed.split(u' '))
                texts.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
            QTEST(DockPreferenceValues::fromTexts(texts), "expected");
        } else {
            QTEST(DockService::parseConfiguration(stored), "expected");
        }
    }

    // Moving the whole domain goes through temporary files and two tools; whatever happens, the user gets
    // one clear sentence and the temporary folder is left as it was.
    void failedTransfersExplainThemselves_data() {
        columns<DockOperation, QByteArray, QString>("operation", "toolError", "description");
        const DockOperation exportOnly(exportAndDiscard);
        QTest::newRow("export, one line")
            << exportOnly << QByteArray("Domain com.apple.dock does not exist\n")
            << u"Couldn't read the current Dock layout. Domain com.apple.dock does not exist"_s;
        QTest::newRow("export, silent")
            << exportOnly << QByteArray() << u"Couldn't read the current Dock layout."_s;
        QTest::newRow("import, two lines")
            << DockOperation(importSomething) << QByteArray("  Could not import\nfrom file  \n\n")
            << u"Couldn't apply the Dock layout. Could not import\nfrom file"_s;
    }

    void failedTransfersExplainThemselves() {
        QFETCH(DockOperation, operation);
        QFETCH(QByteArray, toolError);
        QFETCH(QString, description);
        TestHome home;
        home.setVariable("BERTHWISE_RECORD_EXIT", "1");
        home.setVariable("BERTHWISE_RECORD_STDERR", toolError);
        const Platform platform = recordingPlatformWithFiles(home);
        QCOMPARE(outcome(operation(DockService{ShellService(platform)})), u"DockError: "_s + description);
        // A transfer stops at the first failure, so a failed import never restarts the Dock.
        QCOMPARE(home.recordedCalls().size(), 1);
        QCOMPARE(leftovers(platform), QStringList());
    }

    // Against the simulated Dock, what is written must read back, and an export put back restores the
    // whole layout; each configuration moves every setting, so a value dropped on the way shows. The
    // first reset finds no domain to delete, and still restarts the Dock.
    void appliedAndImportedLayoutsReadBack() {
        TestHome home;
        const Platform platform = home.platform();
        const DockService dock{ShellService(platform)};
        runTask(dock.resetDock());
        QCOMPARE(home.dockRestarts(), 1);
        QCOMPARE(runTask(dock.readConfiguration()), CapturedDockConfiguration());
        const CapturedDockConfiguration rightAndSuck{{.dockSize = 96,
                                                      .magnificationSize = 512,
                                                      .autoHide = true,
                                                      .orientation = DockPosition::right,
                                                      .minimizeEffect = MinimizeEffect::suck}};
        // Fast auto-hide goes on, then off again.
        for (const CapturedDockConfiguration& applied : {customisedConfiguration(), rightAndSuck}) {
            const int restarts = home.dockRestarts();
            runTask(dock.applyConfiguration(applied));
            QCOMPARE(runTask(dock.readConfiguration()), applied);
            QCOMPARE(home.dockRestarts() - restarts, int(DockSetting::all().size()));
        }

        const QByteArray exported = runTask(dock.exportDockPreferences());
        QCOMPARE(DockService::parseConfiguration(exported), rightAndSuck);
        runTask(dock.addSpacer(DockSpacerType::standard, DockSection::apps));
        runTask(dock.addRecentStack(RecentStackType::servers));
        runTask(dock.writeSetting(DockSetting::of(&DockConfiguration::dockSize), {.dockSize = 20}));
        // The scripts went through a real login shell: the quoted arguments arrived whole.
        QVERIFY(home.dock(u"read"_s, {u"persistent-apps"_s}).output.contains(u"\"spacer-tile\""_s));
        const QString others = home.dock(u"read"_s, {u"persistent-others"_s}).output;
        QVERIFY2(others.contains(u"\"list-type\" = 4;"_s) && others.contains(u"\"recents-tile\""_s),
                 qPrintable(others));
        const int restarts = home.dockRestarts();

        runTask(dock.importDockPreferences(exported));
        QCOMPARE(home.dockRestarts() - restarts, 1);
        QCOMPARE(runTask(dock.readConfiguration()), rightAndSuck);
        QVERIFY(!home.dock(u"read"_s, {u"persistent-apps"_s}).output.contains(u"spacer-tile"_s));
        QVERIFY(!home.dock(u"read"_s, {u"persistent-others"_s}).output.contains(u"recents-tile"_s));
        QCOMPARE(leftovers(platform), QStringList());
    }
};

QTEST_GUILESS_MAIN(DockServiceTest)
#include "tst_dockservice.moc"
