// SPDX-License-Identifier: MIT
#include "TestHome.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const QString dock = u"com.apple.dock"_s;
const QString defaultsTool = u"" SIMULATOR_DEFAULTS ""_s;
const QString killallTool = u"" SIMULATOR_KILLALL ""_s;
const QString testData = u"" SIMULATOR_TEST_DATA ""_s;
const QString spacerArgument = uR"({"tile-type"="spacer-tile";})"_s;
const QString smallSpacerArgument = uR"({"tile-type"="small-spacer-tile";})"_s;
const QString recentsArgument =
    u"{\n  \"tile-data\" = {\n    \"list-type\" = 4;\n  };\n  \"tile-type\" = \"recents-tile\";\n}"_s;

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

// Arguments that are not UTF-8 cannot pass through QString, so these go through a shell's printf;
// "$0" is the simulated `defaults`.
Run defaultsInShell(const QString& commandLine) {
    return runTool(u"/bin/sh"_s, {u"-c"_s, commandLine, defaultsTool});
}

int writeKey(const QStringList& keyAndValue) {
    return defaults(QStringList{u"write"_s, dock} + keyAndValue).exitCode;
}

} // namespace

// Drives the simulated `defaults` and `killall` as separate processes, the way the app's scripts do.
class SimulatorTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestHome> m_home;

    [[nodiscard]] QByteArray domainBytes() const {
        QFile file(m_home->path() + u"/SimulatedDock/com.apple.dock.plist"_s);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(m_home->path() + u'/' + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private Q_SLOTS:
    void init() { m_home = std::make_unique<TestHome>(); }
    void cleanup() { m_home.reset(); }

    void printsValuesAsTheSystemDoes_data() {
        QTest::addColumn<QStringList>("value");
        QTest::addColumn<QByteArray>("printed");
        QTest::addColumn<QByteArray>("type");
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
                QCOMPARE(writeKey({u"autohide"_s, u"-bool"_s, u"true"_s}), 0);
            const Run read = defaults({u"read"_s, dock, u"tilesize"_s});
            QCOMPARE(read.exitCode, 1);
            QCOMPARE(read.out, QByteArray());
            QCOMPARE(read.err,
                     QByteArray("The domain/default pair of (com.apple.dock, tilesize) does not exist\n"));
            const Run exported = defaults({u"export"_s, dock, target});
            QCOMPARE(exported.exitCode, domainExists ? 0 : 1);
            QCOMPARE(exported.err.isEmpty(), domainExists);
            QCOMPARE(QFileInfo::exists(target), domainExists);
        }
    }

    void appendsSpacersAndStacks() {
        for (const QString& section : {u"persistent-apps"_s, u"persistent-others"_s}) {
            for (const QString& argument : {spacerArgument, smallSpacerArgument})
                QCOMPARE(writeKey({section, u"-array-add"_s, argument}), 0);
        }
        QCOMPARE(writeKey({u"persistent-others"_s, u"-array-add"_s, recentsArgument}), 0);

        const QByteArray spacers("    {\n        \"tile-type\" = \"spacer-tile\";\n    },\n"
                                 "    {\n        \"tile-type\" = \"small-spacer-tile\";\n    }");
        QCOMPARE(defaults({u"read"_s, dock, u"persistent-apps"_s}).out, "(\n" + spacers + "\n)\n");
        QCOMPARE(defaults({u"read"_s, dock, u"persistent-others"_s}).out,
                 "(\n" + spacers +
                     ",\n    {\n        \"tile-data\" = {\n            \"list-type\" = 4;\n        };\n"
                     "        \"tile-type\" = \"recents-tile\";\n    }\n)\n");

        // Printed, 4 looks the same either way; the exported property list shows it is a string.
        const Run xml = defaults({u"export"_s, dock, u"-"_s});
        QVERIFY(xml.out.startsWith("<?xml"));
        QVERIFY(QRegularExpression(u"<key>list-type</key>\\s*<string>4</string>"_s)
                    .match(QString::fromUtf8(xml.out))
                    .hasMatch());
        const QString binary = m_home->path() + u"/exported.plist"_s;
        QCOMPARE(defaults({u"export"_s, dock, binary}).exitCode, 0);
        QFile file(binary);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("bplist00"));
    }

    // The setup overwrites a real with an integer, so the printed domain also shows that a write
    // replaces a value of another type.
    void overwritesAndDeletes_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("printedAfter");

        const QByteArray untouched("{\n    autohide = 1;\n    tilesize = 48;\n}\n");
        QTest::newRow("key") << QStringList{u"delete"_s, dock, u"tilesize"_s} << 0
                             << QByteArray("{\n    autohide = 1;\n}\n");
        QTest::newRow("missing key") << QStringList{u"delete"_s, dock, u"largesize"_s} << 1 << untouched;
        QTest::newRow("domain") << QStringList{u"delete"_s, dock} << 0 << QByteArray();
        QTest::newRow("missing domain") << QStringList{u"delete"_s, u"com.example.none"_s} << 1 << untouched;
    }

    void overwritesAndDeletes() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);

        QCOMPARE(writeKey({u"tilesize"_s, u"-float"_s, u"36.5"_s}), 0);
        QCOMPARE(writeKey({u"tilesize"_s, u"-int"_s, u"48"_s}), 0);
        QCOMPARE(writeKey({u"autohide"_s, u"-bool"_s, u"yes"_s}), 0);
        const QByteArray before = domainBytes();

        const Run run = defaults(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.err.isEmpty(), exitCode == 0);
        QTEST(defaults({u"read"_s, dock}).out, "printedAfter");
        if (exitCode != 0)
            QCOMPARE(domainBytes(), before);
    }

    // The file to import is another domain's export, in either format.
    void importReplacesTheDomain() {
        const QString other = u"com.example.other"_s;
        QCOMPARE(defaults({u"write"_s, other, u"tilesize"_s, u"-int"_s, u"64"_s}).exitCode, 0);
        QCOMPARE(defaults({u"write"_s, other, u"orientation"_s, u"left"_s}).exitCode, 0);
        const QString file = m_home->path() + u"/layout.plist"_s;
        for (const bool binary : {true, false}) {
            if (binary)
                QCOMPARE(defaults({u"export"_s, other, file}).exitCode, 0);
            else
                writeFile(u"layout.plist"_s, defaults({u"export"_s, other, u"-"_s}).out);
            QCOMPARE(writeKey({u"autohide"_s, u"-bool"_s, u"yes"_s}), 0);

            QCOMPARE(defaults({u"import"_s, dock, file}).exitCode, 0);
            QCOMPARE(defaults({u"read"_s, dock}).out,
                     QByteArray("{\n    orientation = left;\n    tilesize = 64;\n}\n"));
            QVERIFY(domainBytes().startsWith("bplist00"));
        }
    }

    void refusesBadInputWithoutTouchingTheDomain_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        const auto write = [](const char* name, const QString& key, const QStringList& value,
                              int exitCode = 1) {
            QTest::newRow(name) << QStringList{u"write"_s, dock, key} + value << exitCode;
        };
        const auto addToApps = [&](const char* name, const QStringList& values) {
            write(name, u"persistent-apps"_s, QStringList{u"-array-add"_s} + values);
        };
        const auto import = [](const char* name, const QString& file) {
            QTest::newRow(name) << QStringList{u"import"_s, dock, u"~/"_s + file} << 1;
        };

        addToApps("unterminated quote", {u"{\"tile-type\"=\"spacer-tile;}"_s});
        addToApps("missing semicolon", {uR"({"tile-type"="spacer-tile"})"_s});
        addToApps("trailing garbage", {uR"({"tile-type"="spacer-tile";} x)"_s});
        addToApps("hostile nesting", {QString(100'000, u'(')});
        addToApps("second bad value of several", {spacerArgument, u"{a=b}"_s});
        write("array without commas", u"list"_s, {u"(a b)"_s});
        write("int abc", u"tilesize"_s, {u"-int"_s, u"abc"_s});
        write("bool maybe", u"autohide"_s, {u"-bool"_s, u"maybe"_s});
        write("unknown type flag", u"autohide"_s, {u"-number"_s, u"1"_s}, 64);
        write("flag without value", u"autohide"_s, {u"-bool"_s}, 64);
        write("array-add onto a string", u"orientation"_s, {u"-array-add"_s, spacerArgument});
        import("import array", u"array.plist"_s);
        import("import garbage", u"garbage.plist"_s);
    }

    void refusesBadInputWithoutTouchingTheDomain() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);

        QCOMPARE(writeKey({u"orientation"_s, u"left"_s}), 0);
        QCOMPARE(writeKey({u"persistent-apps"_s, u"-array-add"_s, spacerArgument}), 0);
        writeFile(u"array.plist"_s, "<?xml version=\"1.0\"?><plist version=\"1.0\"><array><string>a</string>"
                                    "</array></plist>");
        writeFile(u"garbage.plist"_s, "bplist00 this is not really one");
        const QByteArray before = domainBytes();
        QVERIFY(before.startsWith("bplist00"));

        const Run run = defaults(arguments.replaceInStrings(u"~"_s, m_home->path()));
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY(!run.err.isEmpty());
        QCOMPARE(domainBytes(), before);
    }

    // Text a domain file could not keep, or the printer could not show, would cost every setting in
    // the domain at the next read, and a file nesting or expanding without bound would bring the
    // tool down; each is refused and the domain stays readable, byte for byte.
    void refusesWhatItCannotKeep_data() {
        QTest::addColumn<QString>("commandLine");
        const QString write = uR"("$0" write com.apple.dock )"_s;
        const QString import = uR"("$0" import com.apple.dock )"_s + testData;
        QTest::newRow("string not UTF-8") << write + uR"sh(label -string "$(printf '\377')")sh"_s;
        QTest::newRow("key not UTF-8") << write + uR"sh("$(printf '\303(')" -int 1)sh"_s;
        QTest::newRow("quoted text not UTF-8") << write + uR"sh(list "$(printf '("\351t\351")')")sh"_s;
        QTest::newRow("NUL escape") << write + uR"sh(list '("a\000b")')sh"_s;
        QTest::newRow("unpaired surrogate") << write + uR"sh(list '("\Ud800")')sh"_s;
        QTest::newRow("import string not UTF-8") << import + u"/string-not-utf8.plist"_s;
        QTest::newRow("import string with NUL") << import + u"/string-with-nul.plist"_s;
        QTest::newRow("import key with NUL") << import + u"/key-with-nul.plist"_s;
        QTest::newRow("import nested 600 levels") << import + u"/nested-600-levels.plist"_s;
        QTest::newRow("import expanding exponentially") << import + u"/expands-exponentially.plist"_s;
    }

    void refusesWhatItCannotKeep() {
        QFETCH(QString, commandLine);
        QCOMPARE(writeKey({u"orientation"_s, u"left"_s}), 0);
        const QByteArray before = domainBytes();

        const Run run = defaultsInShell(commandLine);
        QCOMPARE(run.exitCode, 1);
        QVERIFY(!run.err.isEmpty());
        QCOMPARE(domainBytes(), before);
        QCOMPARE(defaults({u"read"_s, dock}).out, QByteArray("{\n    orientation = left;\n}\n"));
    }

    // A domain written before such text was refused may still hold NUL characters, which a binary
    // property list can carry; printing them must not bring the tool down.
    void printsTextWithNul_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("printed");
        QTest::newRow("string") << u"string-with-nul.plist"_s << QStringList{u"orientation"_s}
                                << QByteArray("\xc3\xa9\0b\n", 5);
        QTest::newRow("string in the domain") << u"string-with-nul.plist"_s << QStringList{}
                                              << QByteArray("{\n    orientation = \"\\U00e9\\U0000b\";\n}\n");
        QTest::newRow("key in the domain")
            << u"key-with-nul.plist"_s << QStringList{} << QByteArray("{\n    \"\\U00e9\\U0000b\" = x;\n}\n");
    }

    void printsTextWithNul() {
        QFETCH(QString, file);
        QFETCH(QStringList, arguments);
        QVERIFY(QDir().mkpath(m_home->path() + u"/SimulatedDock"_s));
        QVERIFY(
            QFile::copy(testData + u'/' + file, m_home->path() + u"/SimulatedDock/com.apple.dock.plist"_s));

        const Run read = defaults(QStringList{u"read"_s, dock} + arguments);
        QCOMPARE(read.exitCode, 0);
        QTEST(read.out, "printed");
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
            writeFile(u"SimulatedDock/com.apple.dock.plist"_s, existing);
        const QByteArray before = domainBytes();

        QCOMPARE(runTool(killallTool, {u"Dock"_s}).exitCode, 0);
        QCOMPARE(m_home->dockRestarts(), 1);
        if (!existing.isEmpty()) {
            QCOMPARE(domainBytes(), before);
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
        QTest::addColumn<QByteArray>("explicitFolder");
        QTest::addColumn<QByteArray>("dataHome");
        QTest::addColumn<QString>("expected");
        QTest::newRow("explicit") << QByteArray("~/Elsewhere/./Dock/") << QByteArray("~/data")
                                  << u"~/Elsewhere/Dock"_s;
        QTest::newRow("relative explicit")
            << QByteArray("Elsewhere") << QByteArray("~/data") << u"~/data/Berthwise/SimulatedDock"_s;
        QTest::newRow("relative data home")
            << QByteArray() << QByteArray("data") << u"~/.local/share/Berthwise/SimulatedDock"_s;
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

    void usageErrors_data() {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("arguments");

        QTest::newRow("defaults alone") << defaultsTool << QStringList{};
        QTest::newRow("write without value") << defaultsTool << QStringList{u"write"_s, dock, u"tilesize"_s};
        QTest::newRow("domain that is a path")
            << defaultsTool << QStringList{u"read"_s, u"../escape"_s, u"key"_s};
        QTest::newRow("killall alone") << killallTool << QStringList{};
    }

    void usageErrors() {
        QFETCH(QString, tool);
        QFETCH(QStringList, arguments);
        const Run run = runTool(tool, arguments);
        QCOMPARE(run.exitCode, 64);
        QVERIFY(run.err.contains("usage"));
        QVERIFY(!QFileInfo::exists(m_home->path() + u"/SimulatedDock"_s));
    }

    // Restarts are counted by the tests that restart the Dock; any other name restarts nothing.
    void killallKnowsOnlyTheDock() {
        for (const QString& name : {u"Finder"_s, u"dock"_s}) {
            const Run run = runTool(killallTool, {name});
            QCOMPARE(run.exitCode, 1);
            QCOMPARE(run.err, QByteArray("No matching processes belonging to you were found\n"));
        }
        QCOMPARE(m_home->dockRestarts(), 0);
    }

    void concurrentChangesAreAllKept() {
        constexpr int runs = 8;
        std::vector<std::unique_ptr<QProcess>> processes;
        for (int i = 0; i < 2 * runs; ++i) {
            processes.push_back(std::make_unique<QProcess>());
            if (i % 2)
                processes.back()->start(killallTool, {u"Dock"_s});
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
