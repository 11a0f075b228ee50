// SPDX-License-Identifier: MIT
#include "Columns.h"
#include "TestFiles.h"
#include "TestHome.h"

#include <QProcess>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using TestFiles::content;

namespace {

const QString dock = u"com.apple.dock"_s;
// Any domain but the Dock's, which the running simulated Dock fills with its first layout.
const QString app = u"com.example.app"_s;
const QString defaultsTool = u"" SIMULATOR_DEFAULTS ""_s;
const QString killallTool = u"" SIMULATOR_KILLALL ""_s;

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

        row("real noise", {u"-float"_s, u"36.571428298950195"_s}, "36.5714282989502\n", "float");
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

    // The setup overwrites a real with an integer, so the printed domain also shows that a write
    // replaces a value of another type.
    void overwritesAndDeletes_data() {
        columns<QStringList, int, QByteArray>("arguments", "exitCode", "printedAfter");

        const QByteArray untouched("{\n    autohide = 1;\n    tilesize = 48;\n}\n");
        QTest::newRow("key") << QStringList{u"delete"_s, app, u"tilesize"_s} << 0
                             << QByteArray("{\n    autohide = 1;\n}\n");
        QTest::newRow("missing key") << QStringList{u"delete"_s, app, u"largesize"_s} << 1 << untouched;
        QTest::newRow("domain") << QStringList{u"delete"_s, app} << 0 << QByteArray();
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

    // Like the real Dock, the restarted one writes its first layout when it finds no preferences,
    // and leaves any file it finds alone.
    void killallRelaunchesTheDock_data() {
        QTest::addColumn<bool>("reset");
        QTest::newRow("after a reset") << true;
        QTest::newRow("customised") << false;
    }

    void killallRelaunchesTheDock() {
        QFETCH(bool, reset);
        QCOMPARE(writeTo(dock, {u"tilesize"_s, u"-int"_s, u"64"_s}), 0);
        if (reset)
            QCOMPARE(defaults({u"delete"_s, dock}).exitCode, 0);
        const QByteArray before = content(domainFile());

        QCOMPARE(runTool(killallTool, {u"Dock"_s}).exitCode, 0);
        QCOMPARE(m_home->dockRestarts(), 1);
        if (!reset) {
            QCOMPARE(content(domainFile()), before);
            return;
        }
        QCOMPARE(
            defaults({u"read"_s, dock}).out,
            QByteArray(
                "{\n    mineffect = genie;\n    orientation = bottom;\n    \"persistent-apps\" = (\n    );\n"
                "    \"persistent-others\" = (\n    );\n    \"show-recents\" = 1;\n    tilesize = 48;\n}\n"));
    }
};

QTEST_GUILESS_MAIN(SimulatorTest)
#include "tst_simulator.moc"
