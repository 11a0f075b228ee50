// SPDX-License-Identifier: MIT
#include "Columns.h"
#include "RunTask.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "dock/DockError.h"
#include "dock/DockService.h"
#include "model/CapturedDockConfiguration.h"

#include <QRegularExpression>
#include <QScopeGuard>
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

// Sets an environment variable that the programs started by the test inherit, until the guard ends.
[[nodiscard]] auto scopedVariable(const char* name, const QByteArray& value) {
    qputenv(name, value);
    return qScopeGuard([name] { qunsetenv(name); });
}

QString script(const QString& lines) {
    return lines + u"\nkillall Dock"_s;
}

const QStringList customisedScripts = [] {
    QStringList scripts;
    for (const QString& change :
         {u"tilesize -int 36"_s, u"magnification -bool true"_s, u"largesize -int 96"_s,
          u"autohide -bool true"_s,
          u"autohide-delay -float 0\ndefaults write com.apple.dock "
          u"autohide-time-modifier -float 0.2"_s,
          u"show-recents -bool false"_s, u"minimize-to-application -bool true"_s, u"showhidden -bool true"_s,
          u"static-only -bool true"_s, u"show-process-indicators -bool false"_s,
          u"orientation -string left"_s, u"mineffect -string scale"_s})
        scripts.append(script(u"defaults write com.apple.dock "_s + change));
    return scripts;
}();

// A `defaults` that prints the value of each "key=value" pair as the real tool does, newline and
// all, and otherwise fails as it does for a missing key, with output that must not count as a value.
Platform platformPrinting(const TestHome& home, const QString& values) {
    QByteArray cases;
    for (const QString& pair : values.split(u' ', Qt::SkipEmptyParts))
        cases +=
            pair.section(u'=', 0, 0).toUtf8() + ") echo '" + pair.section(u'=', 1).toUtf8() + "'; exit 0;;\n";
    Platform platform = home.platform();
    platform.defaultsPath = writeExecutable(
        home.path() + u"/fake-defaults"_s,
        "[ \"$1 $2\" = 'read com.apple.dock' ] && case \"$3\" in\n" + cases +
            "esac\n"
            "printf 'The domain/default pair of (%s, %s) does not exist\\n' \"$2\" \"$3\" >&2\n"
            "echo 1; exit 1\n");
    return platform;
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
    // Every change reaches the Dock as a script for the shell; these are compared character for
    // character, since a stray space or quote changes what `defaults` stores. The screens' tests hold
    // the scripts of the tiles and the reset.
    void composesExactScripts_data() {
        columns<DockOperation, QStringList>("operation", "scripts");
        QTest::newRow("whole configuration") << DockOperation([](const DockService& dock) {
            return dock.applyConfiguration(customisedConfiguration());
        }) << customisedScripts;
        QTest::newRow("fast auto-hide off")
            << DockOperation([](const DockService& dock) { return dock.setFastAutoHide(false); })
            << QStringList{script(u"defaults delete com.apple.dock autohide-delay || true\n"
                                  u"defaults delete com.apple.dock autohide-time-modifier || true"_s)};
    }

    void composesExactScripts() {
        QFETCH(DockOperation, operation);
        QFETCH(QStringList, scripts);
        TestHome home;
        // A script that fails, as `defaults delete` of a missing key does, must not fail the operation.
        const auto status = scopedVariable("BERTHWISE_RECORD_EXIT", "1");
        const auto complaint =
            scopedVariable("BERTHWISE_RECORD_STDERR", "Domain (com.apple.dock) not found.\n");
        const DockService dock{ShellService(home.recordingPlatform())};

        runTask(operation(dock));

        QCOMPARE(home.recordedScripts(), scripts);
        QCOMPARE(home.recordedCalls().size(), scripts.size());
    }

    // Both readers turn whatever the Dock holds into the twelve settings without ever failing.
    void readConfigurationAppliesTheKeyTable_data() {
        columns<QString, CapturedDockConfiguration>("printed", "expected");
        using C = CapturedDockConfiguration;

        QTest::newRow("nothing customised") << QString() << C();
        QTest::newRow("every key") << u"tilesize=36.5714282989502 magnification=1 largesize=96 autohide=1 "
                                      "autohide-delay=0 autohide-time-modifier=0.2 show-recents=0 "
                                      "minimize-to-application=1 showhidden=1 static-only=1 "
                                      "show-process-indicators=0 orientation=left mineffect=scale"_s
                                   << customisedConfiguration();

        // One flag at a time, away from its default and in varied spellings, so a value landing in the
        // wrong setting cannot hide behind another.
        QTest::newRow("only magnification") << u"magnification=YES"_s << C{{.magnification = true}};
        QTest::newRow("only autohide") << u"autohide=yes"_s << C{{.autoHide = true}};
        QTest::newRow("only show-recents") << u"show-recents=0"_s << C{{.showRecentApps = false}};
        QTest::newRow("only minimize-to-application")
            << u"minimize-to-application=1"_s << C{{.minimizeToApplication = true}};
        QTest::newRow("only showhidden") << u"showhidden=True"_s << C{{.showHidden = true}};
        QTest::newRow("only static-only") << u"static-only=1"_s << C{{.showOnlyRunningApps = true}};
        QTest::newRow("only show-process-indicators")
            << u"show-process-indicators=No"_s << C{{.showProcessIndicators = false}};

        QTest::newRow("unreadable values")
            << u"magnification=maybe autohide=2 tilesize=99999999999999999999 largesize=large"_s << C();
        QTest::newRow("sizes as reals")
            << u"tilesize=1e2 largesize=-2.9"_s << C{{.dockSize = 100, .magnificationSize = -2}};
        QTest::newRow("names in the wrong case") << u"orientation=Left mineffect=Scale"_s << C();

        QTest::newRow("fast: delay 0, modifier 0.2")
            << u"autohide-delay=0 autohide-time-modifier=0.2"_s << C{{.fastAutoHide = true}};
        QTest::newRow("fast: delay 0, modifier 0.5")
            << u"autohide-delay=0 autohide-time-modifier=0.5"_s << C();
        QTest::newRow("fast: delay 0.1, modifier 0")
            << u"autohide-delay=0.1 autohide-time-modifier=0"_s << C();
        QTest::newRow("fast: delay 0 alone") << u"autohide-delay=0"_s << C();
    }

    void readConfigurationAppliesTheKeyTable() {
        QFETCH(QString, printed);
        TestHome home;
        const DockService dock{ShellService(platformPrinting(home, printed))};
        QTEST(runTask(dock.readConfiguration()), "expected");
    }

    void missingToolReadsAsDefaults() {
        TestHome home;
        Platform platform = home.platform();
        platform.defaultsPath = home.path() + u"/no-such-defaults"_s;
        const DockService dock{ShellService(platform)};

        QCOMPARE(runTask(dock.readValue(DockPreferenceKey::tileSize)), std::nullopt);
        QCOMPARE(runTask(dock.readConfiguration()), CapturedDockConfiguration());
    }

    // Every `defaults` run waits until all thirteen have started; reads made one after another would
    // never get there, give up, and leave the defaults in place.
    void allThirteenReadsRunAtOnce() {
        TestHome home;
        const QString barrier = home.path() + u"/barrier"_s;
        QDir().mkpath(barrier);
        Platform platform = home.platform();
        platform.defaultsPath = writeExecutable(home.path() + u"/barrier-defaults"_s,
                                                "dir='" + QFile::encodeName(barrier) +
                                                    "'\n[ -e \"$dir/gave-up\" ] && exit 1\n: > \"$dir/$3\"\n"
                                                    "for i in $(seq 600); do [ $(ls \"$dir\" | wc -l) -ge 13 "
                                                    "] && { echo 1; exit 0; }; sleep 0.05; done\n"
                                                    ": > \"$dir/gave-up\"; exit 1\n");
        const DockService dock{ShellService(platform)};

        const CapturedDockConfiguration read = runTask(dock.readConfiguration());

        QVERIFY(!QFile::exists(barrier + u"/gave-up"_s));
        QCOMPARE(read.autoHide, true);
        QCOMPARE(read.showOnlyRunningApps, true);
    }

    // Binary property lists, with every key, come from the simulated Dock in the tests below.
    void parseConfigurationOfPropertyLists_data() {
        columns<QByteArray, CapturedDockConfiguration>("data", "expected");
        using C = CapturedDockConfiguration;

        QTest::newRow("not a property list") << QByteArray("tilesize = 30") << C();
        QTest::newRow("array at the top")
            << QByteArray("<?xml version=\"1.0\"?><plist version=\"1.0\"><array><integer>36</integer>"
                          "</array></plist>")
            << C();
        QTest::newRow("real size truncated")
            << xmlDictionary("<key>tilesize</key><real>47.9</real>") << C{{.dockSize = 47}};
        QTest::newRow("boolean from the integer 2")
            << xmlDictionary("<key>magnification</key><integer>2</integer>") << C{{.magnification = true}};
        QTest::newRow("fast pair from integers")
            << xmlDictionary("<key>autohide-delay</key><integer>0</integer>"
                             "<key>autohide-time-modifier</key><integer>0</integer>")
            << C{{.fastAutoHide = true}};
        QTest::newRow("orientation as a number")
            << xmlDictionary(
                   "<key>orientation</key><integer>1</integer><key>tilesize</key><integer>30</integer>")
            << C{{.dockSize = 30}};
    }

    void parseConfigurationOfPropertyLists() {
        QFETCH(QByteArray, data);
        QTEST(DockService::parseConfiguration(data), "expected");
    }

    // Moving the whole domain goes through temporary files and two tools; whatever happens, the user gets
    // one clear sentence and the temporary folder is left as it was.
    void failedTransfersExplainThemselves_data() {
        columns<QString, QByteArray, QString>("operation", "toolError", "description");

        QTest::newRow("export, one line")
            << u"export"_s << QByteArray("Domain com.apple.dock does not exist\n")
            << u"Couldn't read the current Dock layout. Domain com.apple.dock does not exist"_s;
        QTest::newRow("export, silent")
            << u"export"_s << QByteArray() << u"Couldn't read the current Dock layout."_s;
        QTest::newRow("import, two lines")
            << u"import"_s << QByteArray("  Could not import\nfrom file  \n\n")
            << u"Couldn't apply the Dock layout. Could not import\nfrom file"_s;
    }

    void failedTransfersExplainThemselves() {
        QFETCH(QString, operation);
        QFETCH(QByteArray, toolError);
        QFETCH(QString, description);
        TestHome home;
        const auto status = scopedVariable("BERTHWISE_RECORD_EXIT", "1");
        const auto complaint = scopedVariable("BERTHWISE_RECORD_STDERR", toolError);
        const Platform platform = recordingPlatformWithFiles(home);
        const DockService dock{ShellService(platform)};

        QCOMPARE(outcome(operation == u"export" ? exportAndDiscard(dock) : importSomething(dock)),
                 u"DockError: "_s + description);

        // A failed import must not restart the Dock: only the one `defaults` call happened.
        const QList<QStringList> calls = home.recordedCalls();
        QCOMPARE(calls.size(), 1);
        const QString call = calls.constFirst().mid(1).join(u' ');
        const QRegularExpression expectedCall(
            u"^%1 com\\.apple\\.dock %2/berthwise-%1-[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}\\.plist$"_s
                .arg(operation, QRegularExpression::escape(platform.temporaryFolder)));
        QVERIFY2(expectedCall.match(call).hasMatch(), qPrintable(call));
        QCOMPARE(leftovers(platform), QStringList());
    }

    void launchFailuresPassThroughUnchanged_data() {
        columns<DockOperation, QString>("operation", "missingTool");

        QTest::newRow("export") << DockOperation(exportAndDiscard) << u"defaults"_s;
        QTest::newRow("restart after import") << DockOperation(importSomething) << u"killall"_s;
        QTest::newRow("reset") << DockOperation([](const DockService& dock) { return dock.resetDock(); })
                               << u"shell"_s;
    }

    void launchFailuresPassThroughUnchanged() {
        QFETCH(DockOperation, operation);
        QFETCH(QString, missingTool);
        TestHome home;
        Platform platform = recordingPlatformWithFiles(home);
        const QString missing = home.path() + u"/no-such-"_s + missingTool;
        (missingTool == u"defaults"  ? platform.defaultsPath
         : missingTool == u"killall" ? platform.killallPath
                                     : platform.shellPath) = missing;

        const QString launchFailure = outcome(ShellService(platform).run(missing, {}));
        QVERIFY2(launchFailure.startsWith(u"Error: "_s), qPrintable(launchFailure));
        QCOMPARE(outcome(operation(DockService{ShellService(platform)})), launchFailure);
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
        for (const CapturedDockConfiguration& applied :
             {rightAndSuck, CapturedDockConfiguration(), customisedConfiguration()}) {
            const int restarts = home.dockRestarts();
            runTask(dock.applyConfiguration(applied));
            QCOMPARE(runTask(dock.readConfiguration()), applied);
            QCOMPARE(home.dockRestarts() - restarts, 12);
        }

        const QByteArray exported = runTask(dock.exportDockPreferences());
        QCOMPARE(DockService::parseConfiguration(exported), customisedConfiguration());
        runTask(dock.addSpacer(DockSpacerType::standard, DockSection::apps));
        runTask(dock.addRecentStack(RecentStackType::servers));
        runTask(dock.writeInt(DockPreferenceKey::tileSize, 20));
        // The scripts went through a real login shell: the quoted arguments arrived whole.
        QVERIFY(home.dock(u"read"_s, {u"persistent-apps"_s}).output.contains(u"\"spacer-tile\""_s));
        const QString others = home.dock(u"read"_s, {u"persistent-others"_s}).output;
        QVERIFY2(others.contains(u"\"list-type\" = 4;"_s) && others.contains(u"\"recents-tile\""_s),
                 qPrintable(others));
        const int restarts = home.dockRestarts();

        runTask(dock.importDockPreferences(exported));
        QCOMPARE(home.dockRestarts() - restarts, 1);
        QCOMPARE(runTask(dock.readConfiguration()), customisedConfiguration());
        QVERIFY(!home.dock(u"read"_s, {u"persistent-apps"_s}).output.contains(u"spacer-tile"_s));
        QVERIFY(!home.dock(u"read"_s, {u"persistent-others"_s}).output.contains(u"recents-tile"_s));
        QCOMPARE(leftovers(platform), QStringList());
    }
};

QTEST_GUILESS_MAIN(DockServiceTest)
#include "tst_dockservice.moc"
