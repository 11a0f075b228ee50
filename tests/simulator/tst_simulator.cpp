// SPDX-License-Identifier: MIT
#include "TestHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <plist/plist.h>

#include <memory>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const QString dock = u"com.apple.dock"_s;
const QString spacerArgument = uR"({"tile-type"="spacer-tile";})"_s;
const QString smallSpacerArgument = uR"({"tile-type"="small-spacer-tile";})"_s;

QString recentsArgument(int listType) {
    return u"{\n  \"tile-data\" = {\n    \"list-type\" = %1;\n  };\n  \"tile-type\" = \"recents-tile\";\n}"_s
        .arg(listType);
}

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

using Plist = std::unique_ptr<void, decltype(&plist_free)>;

Plist parsePlist(const QByteArray& bytes) {
    plist_t node = nullptr;
    plist_from_memory(bytes.constData(), uint32_t(bytes.size()), &node);
    return Plist(node, &plist_free);
}

QByteArray encode(plist_t node, bool binary) {
    char* data = nullptr;
    uint32_t length = 0;
    binary ? plist_to_bin(node, &data, &length) : plist_to_xml(node, &data, &length);
    QByteArray bytes(data, length);
    std::free(data);
    return bytes;
}

QString stringValue(plist_t node) {
    if (!node || plist_get_node_type(node) != PLIST_STRING)
        return u"<not a string>"_s;
    return QString::fromUtf8(plist_get_string_ptr(node, nullptr));
}

QStringList tileTypes(plist_t array) {
    QStringList types;
    for (uint32_t i = 0; array && i < plist_array_get_size(array); ++i)
        types.append(stringValue(plist_dict_get_item(plist_array_get_item(array, i), "tile-type")));
    return types;
}

} // namespace

// Drives the simulated `defaults` and `killall` as separate processes, the way the app's scripts do.
class SimulatorTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestHome> m_home;

    [[nodiscard]] QString folder() const { return m_home->path() + u"/SimulatedDock"_s; }
    [[nodiscard]] QString domainFile() const { return folder() + u"/com.apple.dock.plist"_s; }

    [[nodiscard]] QByteArray domainBytes() const {
        QFile file(domainFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static Run runTool(const QString& program, const QStringList& arguments,
                       const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        if (!process.waitForFinished(60'000) || process.exitStatus() != QProcess::NormalExit)
            return {};
        return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
    }

    static Run defaults(const QStringList& arguments) {
        return runTool(u"" SIMULATOR_DEFAULTS ""_s, arguments);
    }
    static Run killall(const QStringList& arguments) {
        return runTool(u"" SIMULATOR_KILLALL ""_s, arguments);
    }

    // Replaces the leading "~" of an argument by the test home.
    [[nodiscard]] QStringList inHome(QStringList arguments) const {
        for (QString& argument : arguments) {
            if (argument.startsWith(u'~'))
                argument.replace(0, 1, m_home->path());
        }
        return arguments;
    }

    void writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(m_home->path() + u'/' + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    [[nodiscard]] Plist exportedDomain() const {
        const Run run = defaults({u"export"_s, dock, u"-"_s});
        return run.exitCode == 0 ? parsePlist(run.out) : Plist(nullptr, &plist_free);
    }

    [[nodiscard]] QStringList storedKeys() const {
        if (!QFileInfo::exists(domainFile()))
            return {u"<no domain>"_s};
        const Plist domain = exportedDomain();
        QStringList keys;
        plist_dict_iter iterator = nullptr;
        plist_dict_new_iter(domain.get(), &iterator);
        for (;;) {
            char* key = nullptr;
            plist_t value = nullptr;
            plist_dict_next_item(domain.get(), iterator, &key, &value);
            if (!value)
                break;
            keys.append(QString::fromUtf8(key));
            std::free(key);
        }
        std::free(iterator);
        keys.sort();
        return keys;
    }

private Q_SLOTS:
    void init() { m_home = std::make_unique<TestHome>(); }
    void cleanup() { m_home.reset(); }

    void printsValuesAsTheSystemDoes_data() {
        QTest::addColumn<QStringList>("value");
        QTest::addColumn<QByteArray>("printed");
        QTest::addColumn<QByteArray>("type");

        QTest::newRow("integer") << QStringList{u"-int"_s, u"48"_s} << QByteArray("48\n")
                                 << QByteArray("integer");
        QTest::newRow("negative integer")
            << QStringList{u"-integer"_s, u"-3"_s} << QByteArray("-3\n") << QByteArray("integer");
        QTest::newRow("bool TRUE") << QStringList{u"-bool"_s, u"TRUE"_s} << QByteArray("1\n")
                                   << QByteArray("boolean");
        QTest::newRow("bool Yes") << QStringList{u"-bool"_s, u"Yes"_s} << QByteArray("1\n")
                                  << QByteArray("boolean");
        QTest::newRow("bool no") << QStringList{u"-boolean"_s, u"no"_s} << QByteArray("0\n")
                                 << QByteArray("boolean");
        QTest::newRow("real noise") << QStringList{u"-float"_s, u"36.571428298950195"_s}
                                    << QByteArray("36.5714282989502\n") << QByteArray("float");
        QTest::newRow("real 0.2") << QStringList{u"-float"_s, u"0.2"_s} << QByteArray("0.2\n")
                                  << QByteArray("float");
        QTest::newRow("real zero") << QStringList{u"-float"_s, u"0"_s} << QByteArray("0\n")
                                   << QByteArray("float");
        QTest::newRow("real exponent")
            << QStringList{u"-float"_s, u"1e2"_s} << QByteArray("100\n") << QByteArray("float");
        QTest::newRow("string") << QStringList{u"-string"_s, u"two words"_s} << QByteArray("two words\n")
                                << QByteArray("string");
        QTest::newRow("string that looks like a list") << QStringList{u"-string"_s, u"(not parsed"_s}
                                                       << QByteArray("(not parsed\n") << QByteArray("string");
        QTest::newRow("untyped string")
            << QStringList{u"left"_s} << QByteArray("left\n") << QByteArray("string");
        QTest::newRow("untyped array") << QStringList{u"(a, \"b c\", )"_s}
                                       << QByteArray("(\n    a,\n    \"b c\"\n)\n") << QByteArray("array");
        QTest::newRow("empty array") << QStringList{u"-array"_s} << QByteArray("(\n)\n")
                                     << QByteArray("array");
        QTest::newRow("spacer") << QStringList{u"-array-add"_s, spacerArgument}
                                << QByteArray(
                                       "(\n    {\n        \"tile-type\" = \"spacer-tile\";\n    }\n)\n")
                                << QByteArray("array");
        QTest::newRow("recents stack")
            << QStringList{u"-array-add"_s, recentsArgument(2)}
            << QByteArray("(\n    {\n        \"tile-data\" = {\n            \"list-type\" = 2;\n        };\n"
                          "        \"tile-type\" = \"recents-tile\";\n    }\n)\n")
            << QByteArray("array");
        QTest::newRow("keys sorted, quoted only when needed")
            << QStringList{uR"({z = "com.apple.Safari"; A = 15; "m n" = ""; q = 'say "hi"'; /* note */ })"_s}
            << QByteArray("{\n    A = 15;\n    \"m n\" = \"\";\n    q = \"say \\\"hi\\\"\";\n"
                          "    z = \"com.apple.Safari\";\n}\n")
            << QByteArray("dictionary");
        QTest::newRow("escapes")
            << QStringList{uR"(("tab\there", "caf\U00e9", "\U00e9t\U00e9"))"_s}
            << QByteArray("(\n    \"tab\\there\",\n    \"caf\\U00e9\",\n    \"\\U00e9t\\U00e9\"\n)\n")
            << QByteArray("array");
        QTest::newRow("data") << QStringList{u"{d = <0fbd 7769>;}"_s}
                              << QByteArray("{\n    d = {length = 4, bytes = 0x0fbd7769};\n}\n")
                              << QByteArray("dictionary");
    }

    void printsValuesAsTheSystemDoes() {
        QFETCH(QStringList, value);
        QFETCH(QByteArray, printed);
        QFETCH(QByteArray, type);

        const Run write = defaults(QStringList{u"write"_s, dock, u"key"_s} + value);
        QCOMPARE(write.err, QByteArray());
        QCOMPARE(write.exitCode, 0);
        const Run read = defaults({u"read"_s, dock, u"key"_s});
        QCOMPARE(read.out, printed);
        QCOMPARE(read.exitCode, 0);
        QCOMPARE(defaults({u"read-type"_s, dock, u"key"_s}).out, "Type is " + type + '\n');
    }

    void overwritesAndPrintsTheWholeDomain() {
        QCOMPARE(defaults({u"write"_s, dock, u"tilesize"_s, u"-float"_s, u"36.5"_s}).exitCode, 0);
        QCOMPARE(defaults({u"write"_s, dock, u"tilesize"_s, u"-int"_s, u"64"_s}).exitCode, 0);
        QCOMPARE(defaults({u"write"_s, dock, u"orientation"_s, u"-string"_s, u"left"_s}).exitCode, 0);
        QCOMPARE(defaults({u"read"_s, dock}).out,
                 QByteArray("{\n    orientation = left;\n    tilesize = 64;\n}\n"));
    }

    void reportsMissingValues_data() {
        QTest::addColumn<bool>("domainExists");
        QTest::newRow("missing key") << true;
        QTest::newRow("missing domain") << false;
    }

    void reportsMissingValues() {
        QFETCH(bool, domainExists);
        if (domainExists)
            QCOMPARE(defaults({u"write"_s, dock, u"autohide"_s, u"-bool"_s, u"true"_s}).exitCode, 0);
        const Run read = defaults({u"read"_s, dock, u"tilesize"_s});
        QCOMPARE(read.exitCode, 1);
        QCOMPARE(read.out, QByteArray());
        QCOMPARE(read.err,
                 QByteArray("The domain/default pair of (com.apple.dock, tilesize) does not exist\n"));
    }

    void appendsSpacersAndStacks() {
        for (const QString& section : {u"persistent-apps"_s, u"persistent-others"_s}) {
            for (const QString& argument : {spacerArgument, smallSpacerArgument})
                QCOMPARE(defaults({u"write"_s, dock, section, u"-array-add"_s, argument}).exitCode, 0);
        }
        QCOMPARE(defaults({u"write"_s, dock, u"persistent-others"_s, u"-array-add"_s, recentsArgument(4)})
                     .exitCode,
                 0);

        const QString exported = m_home->path() + u"/exported.plist"_s;
        QCOMPARE(defaults({u"export"_s, dock, exported}).exitCode, 0);
        QFile file(exported);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray binary = file.readAll();
        QVERIFY(binary.startsWith("bplist00"));

        const Run xml = defaults({u"export"_s, dock, u"-"_s});
        QCOMPARE(xml.exitCode, 0);
        QVERIFY(xml.out.startsWith("<?xml"));

        for (const QByteArray& bytes : {binary, xml.out}) {
            const Plist domain = parsePlist(bytes);
            QVERIFY(domain);
            QCOMPARE(tileTypes(plist_dict_get_item(domain.get(), "persistent-apps")),
                     QStringList({u"spacer-tile"_s, u"small-spacer-tile"_s}));
            const plist_t others = plist_dict_get_item(domain.get(), "persistent-others");
            QCOMPARE(tileTypes(others),
                     QStringList({u"spacer-tile"_s, u"small-spacer-tile"_s, u"recents-tile"_s}));
            const plist_t listType = plist_access_path(others, 3, 2, "tile-data", "list-type");
            QCOMPARE(stringValue(listType), u"4"_s);
        }
    }

    void exportRefusesMissingDomain() {
        const QString target = m_home->path() + u"/exported.plist"_s;
        const Run run = defaults({u"export"_s, dock, target});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(!run.err.isEmpty());
        QVERIFY(!QFileInfo::exists(target));
    }

    void deletes_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("keysAfter");

        QTest::newRow("key") << QStringList{u"delete"_s, dock, u"tilesize"_s} << 0
                             << QStringList{u"autohide"_s};
        QTest::newRow("missing key") << QStringList{u"delete"_s, dock, u"largesize"_s} << 1
                                     << QStringList{u"autohide"_s, u"tilesize"_s};
        QTest::newRow("domain") << QStringList{u"delete"_s, dock} << 0 << QStringList{u"<no domain>"_s};
        QTest::newRow("missing domain") << QStringList{u"delete"_s, u"com.example.none"_s} << 1
                                        << QStringList{u"autohide"_s, u"tilesize"_s};
    }

    void deletes() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QStringList, keysAfter);

        QCOMPARE(defaults({u"write"_s, dock, u"tilesize"_s, u"-int"_s, u"48"_s}).exitCode, 0);
        QCOMPARE(defaults({u"write"_s, dock, u"autohide"_s, u"-bool"_s, u"yes"_s}).exitCode, 0);
        const QByteArray before = domainBytes();

        const Run run = defaults(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.err.isEmpty(), exitCode == 0);
        QCOMPARE(storedKeys(), keysAfter);
        if (exitCode != 0)
            QCOMPARE(domainBytes(), before);
    }

    void importReplacesTheDomain_data() {
        QTest::addColumn<bool>("binary");
        QTest::newRow("binary") << true;
        QTest::newRow("xml") << false;
    }

    void importReplacesTheDomain() {
        QFETCH(bool, binary);
        QCOMPARE(defaults({u"write"_s, dock, u"tilesize"_s, u"-int"_s, u"48"_s}).exitCode, 0);
        QCOMPARE(defaults({u"write"_s, dock, u"autohide"_s, u"-bool"_s, u"yes"_s}).exitCode, 0);

        const Plist replacement(plist_new_dict(), &plist_free);
        plist_dict_set_item(replacement.get(), "tilesize", plist_new_uint(64));
        plist_dict_set_item(replacement.get(), "orientation", plist_new_string("left"));
        writeFile(u"layout.plist"_s, encode(replacement.get(), binary));

        QCOMPARE(defaults({u"import"_s, dock, m_home->path() + u"/layout.plist"_s}).exitCode, 0);
        QCOMPARE(storedKeys(), QStringList({u"orientation"_s, u"tilesize"_s}));
        QCOMPARE(defaults({u"read"_s, dock, u"tilesize"_s}).out, QByteArray("64\n"));
        QVERIFY(domainBytes().startsWith("bplist00"));
    }

    void refusesBadInputWithoutTouchingTheDomain_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");

        const auto write = [](const QString& key, const QStringList& value) {
            return QStringList{u"write"_s, dock, key} + value;
        };
        const QString apps = u"persistent-apps"_s;
        QTest::newRow("unterminated quote")
            << write(apps, {u"-array-add"_s, u"{\"tile-type\"=\"spacer-tile;}"_s}) << 1;
        QTest::newRow("missing semicolon")
            << write(apps, {u"-array-add"_s, uR"({"tile-type"="spacer-tile"})"_s}) << 1;
        QTest::newRow("trailing garbage")
            << write(apps, {u"-array-add"_s, uR"({"tile-type"="spacer-tile";} x)"_s}) << 1;
        QTest::newRow("unclosed dictionary") << write(apps, {u"-array-add"_s, u"{a={b=c;};"_s}) << 1;
        QTest::newRow("array without commas") << write(u"list"_s, {u"(a b)"_s}) << 1;
        QTest::newRow("second bad value of several")
            << write(apps, {u"-array-add"_s, spacerArgument, u"{a=b}"_s}) << 1;
        QTest::newRow("hostile nesting") << write(apps, {u"-array-add"_s, QString(100'000, u'(')}) << 1;
        QTest::newRow("int abc") << write(u"tilesize"_s, {u"-int"_s, u"abc"_s}) << 1;
        QTest::newRow("int with fraction") << write(u"tilesize"_s, {u"-int"_s, u"1.5"_s}) << 1;
        QTest::newRow("int overflow") << write(u"tilesize"_s, {u"-int"_s, u"99999999999999999999"_s}) << 1;
        QTest::newRow("float abc") << write(u"autohide-delay"_s, {u"-float"_s, u"abc"_s}) << 1;
        QTest::newRow("bool maybe") << write(u"autohide"_s, {u"-bool"_s, u"maybe"_s}) << 1;
        QTest::newRow("unknown type flag") << write(u"autohide"_s, {u"-number"_s, u"1"_s}) << 64;
        QTest::newRow("flag without value") << write(u"autohide"_s, {u"-bool"_s}) << 64;
        QTest::newRow("two values") << write(u"tilesize"_s, {u"-int"_s, u"1"_s, u"2"_s}) << 64;
        QTest::newRow("array-add onto a string")
            << write(u"orientation"_s, {u"-array-add"_s, spacerArgument}) << 1;
        QTest::newRow("import array") << QStringList{u"import"_s, dock, u"~/array.plist"_s} << 1;
        QTest::newRow("import garbage") << QStringList{u"import"_s, dock, u"~/garbage.plist"_s} << 1;
        QTest::newRow("import old-style text") << QStringList{u"import"_s, dock, u"~/text.plist"_s} << 1;
        QTest::newRow("import empty file") << QStringList{u"import"_s, dock, u"~/empty.plist"_s} << 1;
        QTest::newRow("import missing file") << QStringList{u"import"_s, dock, u"~/none.plist"_s} << 1;
    }

    void refusesBadInputWithoutTouchingTheDomain() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);

        QCOMPARE(defaults({u"write"_s, dock, u"orientation"_s, u"left"_s}).exitCode, 0);
        QCOMPARE(defaults({u"write"_s, dock, u"persistent-apps"_s, u"-array-add"_s, spacerArgument}).exitCode,
                 0);
        writeFile(u"array.plist"_s, "<?xml version=\"1.0\"?><plist version=\"1.0\"><array><string>a</string>"
                                    "</array></plist>");
        writeFile(u"garbage.plist"_s, "bplist00 this is not really one");
        writeFile(u"text.plist"_s, "{ tilesize = 64; }");
        writeFile(u"empty.plist"_s, "");
        const QByteArray before = domainBytes();
        QVERIFY(before.startsWith("bplist00"));

        const Run run = defaults(inHome(arguments));
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY(!run.err.isEmpty());
        QCOMPARE(domainBytes(), before);
    }

    void usageErrors_data() {
        QTest::addColumn<bool>("isKillall");
        QTest::addColumn<QStringList>("arguments");

        QTest::newRow("defaults alone") << false << QStringList{};
        QTest::newRow("read without domain") << false << QStringList{u"read"_s};
        QTest::newRow("unknown command") << false << QStringList{u"frobnicate"_s, dock};
        QTest::newRow("write without value") << false << QStringList{u"write"_s, dock, u"tilesize"_s};
        QTest::newRow("export without path") << false << QStringList{u"export"_s, dock};
        QTest::newRow("domain that is a path") << false << QStringList{u"read"_s, u"../escape"_s, u"key"_s};
        QTest::newRow("killall alone") << true << QStringList{};
        QTest::newRow("killall two names") << true << QStringList{u"Dock"_s, u"Finder"_s};
        QTest::newRow("killall option") << true << QStringList{u"-9"_s};
    }

    void usageErrors() {
        QFETCH(bool, isKillall);
        QFETCH(QStringList, arguments);
        const Run run = isKillall ? killall(arguments) : defaults(arguments);
        QCOMPARE(run.exitCode, 64);
        QVERIFY(run.err.contains("usage"));
        QVERIFY(!QFileInfo::exists(folder()));
    }

    void killallCountsDockRestarts() {
        for (int i = 0; i < 3; ++i)
            QCOMPARE(killall({u"Dock"_s}).exitCode, 0);
        QCOMPARE(m_home->dockRestarts(), 3);

        for (const QString& name : {u"Finder"_s, u"dock"_s}) {
            const Run run = killall({name});
            QCOMPARE(run.exitCode, 1);
            QCOMPARE(run.err, QByteArray("No matching processes belonging to you were found\n"));
        }
        QCOMPARE(m_home->dockRestarts(), 3);
    }

    void concurrentChangesAreAllKept() {
        constexpr int runs = 8;
        std::vector<std::unique_ptr<QProcess>> processes;
        for (int i = 0; i < runs; ++i) {
            for (const auto& [program, arguments] :
                 {std::pair(u"" SIMULATOR_DEFAULTS ""_s, QStringList{u"write"_s, dock, u"persistent-apps"_s,
                                                                     u"-array-add"_s, spacerArgument}),
                  std::pair(u"" SIMULATOR_KILLALL ""_s, QStringList{u"Dock"_s})}) {
                processes.push_back(std::make_unique<QProcess>());
                processes.back()->start(program, arguments);
            }
        }
        for (const auto& process : processes) {
            QVERIFY(process->waitForFinished(60'000));
            QCOMPARE(process->exitCode(), 0);
        }
        const Plist domain = exportedDomain();
        QCOMPARE(tileTypes(plist_dict_get_item(domain.get(), "persistent-apps")).size(), runs);
        QCOMPARE(m_home->dockRestarts(), runs);
    }

    void findsItsFolderInTheEnvironment_data() {
        QTest::addColumn<QString>("explicitFolder");
        QTest::addColumn<QString>("dataHome");
        QTest::addColumn<QString>("expected");

        QTest::newRow("explicit") << u"~/chosen"_s << u"~/data"_s << u"~/chosen"_s;
        QTest::newRow("relative explicit ignored")
            << u"chosen"_s << u"~/data"_s << u"~/data/Berthwise/SimulatedDock"_s;
        QTest::newRow("data home") << QString() << u"~/data"_s << u"~/data/Berthwise/SimulatedDock"_s;
        QTest::newRow("relative data home ignored")
            << QString() << u"data"_s << u"~/.local/share/Berthwise/SimulatedDock"_s;
        QTest::newRow("home only") << QString() << QString() << u"~/.local/share/Berthwise/SimulatedDock"_s;
    }

    void findsItsFolderInTheEnvironment() {
        QFETCH(QString, explicitFolder);
        QFETCH(QString, dataHome);
        QFETCH(QString, expected);

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        const QStringList values = inHome({explicitFolder, dataHome});
        environment.remove(u"BERTHWISE_SIMULATED_DOCK"_s);
        environment.remove(u"XDG_DATA_HOME"_s);
        if (!values.at(0).isEmpty())
            environment.insert(u"BERTHWISE_SIMULATED_DOCK"_s, values.at(0));
        if (!values.at(1).isEmpty())
            environment.insert(u"XDG_DATA_HOME"_s, values.at(1));

        QCOMPARE(runTool(u"" SIMULATOR_KILLALL ""_s, {u"Dock"_s}, environment).exitCode, 0);
        QVERIFY(QFileInfo::exists(inHome({expected}).first() + u"/Dock.restarts"_s));
    }

    void scriptsSurviveARealShell_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("printed");

        QTest::newRow("spacer") << u"defaults write com.apple.dock persistent-apps -array-add "
                                   u"'{\"tile-type\"=\"spacer-tile\";}'\n"
                                   "killall Dock"_s
                                << u"persistent-apps"_s
                                << QByteArray(
                                       "(\n    {\n        \"tile-type\" = \"spacer-tile\";\n    }\n)\n");
        QTest::newRow("recents stack")
            << u"defaults write com.apple.dock persistent-others -array-add '{\n  \"tile-data\" = {\n"
               "    \"list-type\" = 1;\n  };\n  \"tile-type\" = \"recents-tile\";\n}';\nkillall Dock"_s
            << u"persistent-others"_s
            << QByteArray("(\n    {\n        \"tile-data\" = {\n            \"list-type\" = 1;\n        };\n"
                          "        \"tile-type\" = \"recents-tile\";\n    }\n)\n");
    }

    void scriptsSurviveARealShell() {
        QFETCH(QString, script);
        QFETCH(QString, key);
        QFETCH(QByteArray, printed);
        if (!QFileInfo::exists(u"/bin/zsh"_s))
            QSKIP("zsh is not installed");

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        const QString tools = QFileInfo(u"" SIMULATOR_DEFAULTS ""_s).absolutePath();
        environment.insert(u"PATH"_s, tools + u':' + environment.value(u"PATH"_s));
        const Run shell = runTool(u"/bin/zsh"_s, {u"-lc"_s, script}, environment);
        QCOMPARE(shell.err, QByteArray());
        QCOMPARE(shell.exitCode, 0);
        QCOMPARE(defaults({u"read"_s, dock, key}).out, printed);
        QCOMPARE(m_home->dockRestarts(), 1);
    }
};

QTEST_GUILESS_MAIN(SimulatorTest)
#include "tst_simulator.moc"
