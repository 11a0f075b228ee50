// SPDX-License-Identifier: MIT
#include "Columns.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "platform/Platform.h"

#include <QProcess>
#include <QTest>

#include <memory>
#include <vector>

using namespace Qt::StringLiterals;
using TestFiles::content;

namespace {

const QString dock = u"com.apple.dock"_s;
// Any domain but the Dock's, which the running simulated Dock fills with its first layout.
const QString app = u"com.example.app"_s;
const QString defaultsTool = u"" SIMULATOR_DEFAULTS ""_s;
const QString killallTool = u"" SIMULATOR_KILLALL ""_s;
const QString testData = u"" SIMULATOR_TEST_DATA ""_s;
const QString spacerArgument = uR"({"tile-type"="spacer-tile";})"_s;

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run runTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60'000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

Run defaults(const QStringList& arguments) {
    return runTool(defaultsTool, arguments);
}

int writeTo(const QString& domain, const QStringList& keyAndValue) {
    return defaults(QStringList{u"write"_s, domain} + keyAndValue).exitCode;
}

int writeKey(const QStringList& keyAndValue) {
    return writeTo(dock, keyAndValue);
}

} // namespace

// Drives the simulated `defaults` and `killall` as separate processes, the way the app's scripts do.
class SimulatorTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestHome> m_home;

    [[nodiscard]] QString domainFile(const QString& domain = dock) const {
        return m_home->path() + u"/SimulatedDock/"_s + domain + u".plist"_s;
    }

private Q_SLOTS:
    void init() { m_home = std::make_unique<TestHome>(); }
    void cleanup() { m_home.reset(); }

    void printsValuesAsTheSystemDoes_data() {
        columns<QStringList, QByteArray, QByteArray>("value", "printed", "type");
        const auto row = [](const char* name, const QStringList& value, const char* printed,
                            const char* type) {
            QTest::newRow(name) << value << QByteArray(printed) << QByteArray(type);
        };

        row("integer", {u"-int"_s, u"48"_s}, "48\n", "integer");
        row("bool Yes", {u"-bool"_s, u"Yes"_s}, "1\n", "boolean");
        row("bool no", {u"-boolean"_s, u"no"_s}, "0\n", "boolean");
        row("real noise", {u"-float"_s, u"36.571428298950195"_s}, "36.5714282989502\n", "float");
        row("real zero", {u"-float"_s, u"0"_s}, "0\n", "float");
        row("string that looks like a list", {u"-string"_s, u"(two words"_s}, "(two words\n", "string");
        row("keys sorted, quoted only when needed",
            {uR"({z = "com.apple.Safari"; A = 15; "m n" = ""; q = 'say "hi"'; /* note */ })"_s},
            "{\n    A = 15;\n    \"m n\" = \"\";\n    q = \"say \\\"hi\\\"\";\n    z = "
            "\"com.apple.Safari\";\n}\n",
            "dictionary");
        row("untyped array with escapes", {uR"((a, "tab\there", "caf\U00e9", "\U00e9t\U00e9", ))"_s},
            "(\n    a,\n    \"tab\\there\",\n    \"caf\\U00e9\",\n    \"\\U00e9t\\U00e9\"\n)\n", "array");
    }

    void printsValuesAsTheSystemDoes() {
        QFETCH(QStringList, value);
        QFETCH(QByteArray, type);

        const Run write = defaults(QStringList{u"write"_s, dock, u"key"_s} + value);
        QCOMPARE(write.err, QByteArray());
        QCOMPARE(write.exitCode, 0);
        const Run read = defaults({u"read"_s, dock, u"key"_s});
        QTEST(read.out, "printed");
        QCOMPARE(read.exitCode, 0);
        QCOMPARE(defaults({u"read-type"_s, dock, u"key"_s}).out, "Type is " + type + '\n');
    }

    void reportsMissingValues() {
        const QString target = m_home->path() + u"/exported.plist"_s;
        for (const bool domainExists : {false, true}) {
            if (domainExists)
                QCOMPARE(writeTo(app, {u"autohide"_s, u"-bool"_s, u"true"_s}), 0);
            const Run read = defaults({u"read"_s, app, u"tilesize"_s});
            QCOMPARE(read.exitCode, 1);
            QCOMPARE(read.out, QByteArray());
            QCOMPARE(read.err,
                     QByteArray("The domain/default pair of (com.example.app, tilesize) does not exist\n"));
            const Run exported = defaults({u"export"_s, app, target});
            QCOMPARE(exported.exitCode, domainExists ? 0 : 1);
            QCOMPARE(exported.err.isEmpty(), domainExists);
            QCOMPARE(content(target).startsWith("bplist00"), domainExists);
        }
    }

    // The setup overwrites a real with an integer, so the printed domain also shows that a write
    // replaces a value of another type.
    void overwritesAndDeletes_data() {
        columns<QStringList, int, QByteArray>("arguments", "exitCode", "printedAfter");

        const QByteArray untouched("{\n    autohide = 1;\n    tilesize = 48;\n}\n");
        QTest::newRow("key") << QStringList{u"delete"_s, app, u"tilesize"_s} << 0
                             << QByteArray("{\n    autohide = 1;\n}\n");
        QTest::newRow("missing key") << QStringList{u"delete"_s, app, u"largesize"_s} << 1 << untouched;
        QTest::newRow("domain") << QStringList{u"delete"_s, app} << 0 << QByteArray();
        QTest::newRow("missing domain") << QStringList{u"delete"_s, u"com.example.none"_s} << 1 << untouched;
    }

    void overwritesAndDeletes() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);

        QCOMPARE(writeTo(app, {u"tilesize"_s, u"-float"_s, u"36.5"_s}), 0);
        QCOMPARE(writeTo(app, {u"tilesize"_s, u"-int"_s, u"48"_s}), 0);
        QCOMPARE(writeTo(app, {u"autohide"_s, u"-bool"_s, u"yes"_s}), 0);
        const QByteArray before = content(domainFile(app));

        const Run run = defaults(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.err.isEmpty(), exitCode == 0);
        QTEST(defaults({u"read"_s, app}).out, "printedAfter");
        if (exitCode != 0)
            QCOMPARE(content(domainFile(app)), before);
    }

    // Bad input is refused with a message and the domain stays as it was, byte for byte. Text the
    // domain could not keep and files nesting or expanding without bound are the fuzz target's
    // regressions, which hold the same promise. The arguments go through a shell, as the app's do.
    void refusesBadInputWithoutTouchingTheDomain_data() {
        columns<QString, int>("arguments", "exitCode");
        const auto write = [](const char* name, const QString& keyAndValue, int exitCode = 1) {
            QTest::newRow(name) << u"write com.apple.dock "_s + keyAndValue << exitCode;
        };
        const auto addToApps = [&](const char* name, const QString& values) {
            write(name, u"persistent-apps -array-add "_s + values);
        };
        addToApps("unterminated quote", u"'{\"tile-type\"=\"spacer-tile;}'"_s);
        addToApps("trailing garbage", uR"('{"tile-type"="spacer-tile";} x')"_s);
        addToApps("hostile nesting", uR"sh("$(printf '%100000s' | tr ' ' '(')")sh"_s);
        addToApps("second bad value of several", uR"('{"tile-type"="spacer-tile";}' '{a=b}')"_s);
        write("int abc", u"tilesize -int abc"_s);
        write("bool maybe", u"autohide -bool maybe"_s);
        write("unknown type flag", u"autohide -number 1"_s, 64);
        write("array-add onto a string", uR"(orientation -array-add '{"tile-type"="spacer-tile";}')"_s);
        for (const char* file : {"array", "garbage"})
            QTest::addRow("import %s", file)
                << u"import com.apple.dock %1/%2.plist"_s.arg(testData, file) << 1;
    }

    void refusesBadInputWithoutTouchingTheDomain() {
        QFETCH(QString, arguments);
        QCOMPARE(writeKey({u"orientation"_s, u"left"_s}), 0);
        QCOMPARE(writeKey({u"persistent-apps"_s, u"-array-add"_s, spacerArgument}), 0);
        const QByteArray before = content(domainFile());
        const QByteArray printed = defaults({u"read"_s, dock}).out;
        QVERIFY(before.startsWith("bplist00"));

        const Run run = runTool(u"/bin/sh"_s, {u"-c"_s, u"\"$0\" "_s + arguments, defaultsTool});
        QTEST(run.exitCode, "exitCode");
        QVERIFY(!run.err.isEmpty());
        QCOMPARE(content(domainFile()), before);
        QCOMPARE(defaults({u"read"_s, dock}).out, printed);
    }

    // Like the real Dock, the restarted one writes its first layout when it finds no preferences,
    // and leaves any file it finds alone, even one it cannot read.
    void killallRelaunchesTheDock_data() {
        QTest::addColumn<QByteArray>("existing");
        QTest::newRow("after a reset") << QByteArray();
        QTest::newRow("customised") << QByteArray("customise");
        QTest::newRow("unreadable") << QByteArray("not a property list");
    }

    void killallRelaunchesTheDock() {
        QFETCH(QByteArray, existing);
        QCOMPARE(writeKey({u"tilesize"_s, u"-int"_s, u"64"_s}), 0);
        if (existing.isEmpty())
            QCOMPARE(defaults({u"delete"_s, dock}).exitCode, 0);
        else if (existing != "customise")
            TestFiles::write(domainFile(), existing);
        const QByteArray before = content(domainFile());

        QCOMPARE(runTool(killallTool, {u"Dock"_s}).exitCode, 0);
        QCOMPARE(m_home->dockRestarts(), 1);
        if (!existing.isEmpty()) {
            QCOMPARE(content(domainFile()), before);
            return;
        }
        QCOMPARE(
            defaults({u"read"_s, dock}).out,
            QByteArray(
                "{\n    mineffect = genie;\n    orientation = bottom;\n    \"persistent-apps\" = (\n    );\n"
                "    \"persistent-others\" = (\n    );\n    \"show-recents\" = 1;\n    tilesize = 48;\n}\n"));
    }

    // The app and the tools it starts must find the simulated Dock in the same folder, whatever the
    // environment says; only absolute paths count.
    void appAndToolsAgreeOnTheFolder_data() {
        columns<QByteArray, QByteArray, QString>("explicitFolder", "dataHome", "expected");
        QTest::newRow("explicit") << QByteArray("~/Elsewhere/./Dock/") << QByteArray("~/data")
                                  << u"~/Elsewhere/Dock"_s;
        QTest::newRow("relative explicit")
            << QByteArray("Elsewhere") << QByteArray("~/data") << u"~/data/Berthwise/SimulatedDock"_s;
    }

    void appAndToolsAgreeOnTheFolder() {
        QFETCH(QByteArray, explicitFolder);
        QFETCH(QByteArray, dataHome);
        QFETCH(QString, expected);
        const QByteArray home = QFile::encodeName(m_home->path());
        qputenv("BERTHWISE_SIMULATED_DOCK", explicitFolder.replace('~', home));
        qputenv("XDG_DATA_HOME", dataHome.replace('~', home));
        expected.replace(u'~', m_home->path());

        QCOMPARE(Platform::current().simulatedDockFolder, expected);
        QCOMPARE(writeKey({u"tilesize"_s, u"-int"_s, u"48"_s}), 0);
        QVERIFY(QFileInfo::exists(expected + u"/com.apple.dock.plist"_s));
    }

    // Nothing is touched, not even the folder; any name but the Dock's restarts nothing.
    void refusesWhatItDoesNotKnow_data() {
        columns<QString, QStringList, int, QByteArray>("tool", "arguments", "exitCode", "error");
        const QByteArray noProcess("No matching processes belonging to you were found\n");
        QTest::newRow("defaults alone") << defaultsTool << QStringList{} << 64 << QByteArray("usage");
        QTest::newRow("write without value")
            << defaultsTool << QStringList{u"write"_s, dock, u"tilesize"_s} << 64 << QByteArray("usage");
        QTest::newRow("domain that is a path")
            << defaultsTool << QStringList{u"read"_s, u"../escape"_s, u"key"_s} << 64 << QByteArray("usage");
        QTest::newRow("killall alone") << killallTool << QStringList{} << 64 << QByteArray("usage");
        QTest::newRow("killall Finder") << killallTool << QStringList{u"Finder"_s} << 1 << noProcess;
        QTest::newRow("killall dock") << killallTool << QStringList{u"dock"_s} << 1 << noProcess;
    }

    void refusesWhatItDoesNotKnow() {
        QFETCH(QString, tool);
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, error);
        const Run run = runTool(tool, arguments);
        QTEST(run.exitCode, "exitCode");
        QVERIFY2(run.err.contains(error), run.err.constData());
        QVERIFY(!QFileInfo::exists(m_home->path() + u"/SimulatedDock"_s));
    }

    // From a fresh start, so that the Dock's first start and the cache's first reads race too.
    void concurrentChangesAreAllKept() {
        constexpr int runs = 8;
        std::vector<std::unique_ptr<QProcess>> processes;
        for (int i = 0; i < 3 * runs; ++i) {
            processes.push_back(std::make_unique<QProcess>());
            if (i % 3 == 1)
                processes.back()->start(killallTool, {u"Dock"_s});
            else if (i % 3 == 2)
                processes.back()->start(defaultsTool, {u"read"_s, dock, u"persistent-apps"_s});
            else
                processes.back()->start(
                    defaultsTool, {u"write"_s, dock, u"persistent-apps"_s, u"-array-add"_s, spacerArgument});
        }
        for (const auto& process : processes) {
            QVERIFY(process->waitForFinished(60'000));
            QCOMPARE(process->exitCode(), 0);
        }
        QCOMPARE(defaults({u"read"_s, dock, u"persistent-apps"_s}).out.count("spacer-tile"), runs);
        QCOMPARE(m_home->dockRestarts(), runs);
    }
};

QTEST_GUILESS_MAIN(SimulatorTest)
#include "tst_simulator.moc"
