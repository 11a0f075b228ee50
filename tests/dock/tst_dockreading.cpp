// SPDX-License-Identifier: MIT
#include "DockTesting.h"
#include "RunTask.h"
#include "TestHome.h"
#include "dock/DockService.h"

#include <QDir>
#include <QTest>

#include <plist/plist.h>

#include <memory>
#include <vector>

namespace {

struct PlistFree {
    void operator()(plist_t node) const { plist_free(node); }
};
using Plist = std::unique_ptr<void, PlistFree>;
using Entries = std::vector<std::pair<const char*, plist_t>>;
// What `defaults read` prints for each key that has a value.
using Printed = QMap<QString, QString>;

QByteArray encoded(const Plist& root, bool binary) {
    char* bytes = nullptr;
    uint32_t length = 0;
    if (binary) {
        plist_to_bin(root.get(), &bytes, &length);
        const QByteArray data(bytes, length);
        plist_to_bin_free(bytes);
        return data;
    }
    plist_to_xml(root.get(), &bytes, &length);
    const QByteArray data(bytes, length);
    plist_to_xml_free(bytes);
    return data;
}

QByteArray dictionary(const Entries& entries, bool binary = false) {
    const Plist root(plist_new_dict());
    for (const auto& [key, value] : entries)
        plist_dict_set_item(root.get(), key, value);
    return encoded(root, binary);
}

// As `defaults export` writes a customised Dock: typed values, and tile lists the readers must skip.
Entries everyKey() {
    plist_t apps = plist_new_array();
    plist_t tile = plist_new_dict();
    plist_dict_set_item(tile, "tile-type", plist_new_string("spacer-tile"));
    plist_array_append_item(apps, tile);
    return {
        {"persistent-apps", apps},
        {"tilesize", plist_new_uint(36)},
        {"magnification", plist_new_bool(1)},
        {"largesize", plist_new_uint(96)},
        {"autohide", plist_new_bool(1)},
        {"autohide-delay", plist_new_real(0)},
        {"autohide-time-modifier", plist_new_real(0.2)},
        {"show-recents", plist_new_bool(0)},
        {"minimize-to-application", plist_new_bool(1)},
        {"showhidden", plist_new_bool(1)},
        {"static-only", plist_new_bool(1)},
        {"show-process-indicators", plist_new_bool(0)},
        {"orientation", plist_new_string("left")},
        {"mineffect", plist_new_string("scale")},
    };
}

// A `defaults` that prints, for each key, the content of the file of that name in `folder`, and
// otherwise fails as the real tool does for a missing key.
Platform platformPrintingFilesOf(const TestHome& home, const QString& folder) {
    Platform platform = home.platform();
    platform.defaultsPath = writeExecutable(
        home.path() + u"/fake-defaults"_s,
        "values='" + QFile::encodeName(folder) +
            "'\n"
            "if [ \"$1\" = read ] && [ \"$2\" = com.apple.dock ] && [ -f \"$values/$3\" ]; then\n"
            "  cat \"$values/$3\"; exit 0\n"
            "fi\n"
            "printf 'The domain/default pair of (%s, %s) does not exist\\n' \"$2\" \"$3\" >&2\n"
            "exit 1\n");
    return platform;
}

} // namespace

// Both readers turn whatever the Dock holds into the twelve settings without ever failing.
class DockReadingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readConfigurationAppliesTheKeyTable_data() {
        QTest::addColumn<Printed>("printed");
        QTest::addColumn<CapturedDockConfiguration>("expected");
        using C = CapturedDockConfiguration;

        QTest::newRow("nothing customised") << Printed() << C();
        QTest::newRow("every key") << Printed{{u"tilesize"_s, u"36.5714282989502\n"_s},
                                              {u"magnification"_s, u"1\n"_s},
                                              {u"largesize"_s, u"96\n"_s},
                                              {u"autohide"_s, u"1\n"_s},
                                              {u"autohide-delay"_s, u"0\n"_s},
                                              {u"autohide-time-modifier"_s, u"0.2\n"_s},
                                              {u"show-recents"_s, u"0\n"_s},
                                              {u"minimize-to-application"_s, u"1\n"_s},
                                              {u"showhidden"_s, u"1\n"_s},
                                              {u"static-only"_s, u"1\n"_s},
                                              {u"show-process-indicators"_s, u"0\n"_s},
                                              {u"orientation"_s, u"left\n"_s},
                                              {u"mineffect"_s, u"scale\n"_s}}
                                   << customisedConfiguration();

        // One key at a time, so a value landing in the wrong setting cannot hide behind another.
        QTest::newRow("only tilesize")
            << Printed{{u"tilesize"_s, u"64"_s}} << configured([](C& c) { c.dockSize = 64; });
        QTest::newRow("only largesize")
            << Printed{{u"largesize"_s, u"64"_s}} << configured([](C& c) { c.magnificationSize = 64; });
        QTest::newRow("only magnification")
            << Printed{{u"magnification"_s, u"YES"_s}} << configured([](C& c) { c.magnification = true; });
        QTest::newRow("only autohide")
            << Printed{{u"autohide"_s, u"yes"_s}} << configured([](C& c) { c.autoHide = true; });
        QTest::newRow("only show-recents")
            << Printed{{u"show-recents"_s, u"0"_s}} << configured([](C& c) { c.showRecentApps = false; });
        QTest::newRow("only minimize-to-application")
            << Printed{{u"minimize-to-application"_s, u"1"_s}}
            << configured([](C& c) { c.minimizeToApplication = true; });
        QTest::newRow("only showhidden")
            << Printed{{u"showhidden"_s, u"True"_s}} << configured([](C& c) { c.showHidden = true; });
        QTest::newRow("only static-only")
            << Printed{{u"static-only"_s, u"1"_s}} << configured([](C& c) { c.showOnlyRunningApps = true; });
        QTest::newRow("only show-process-indicators")
            << Printed{{u"show-process-indicators"_s, u"No"_s}}
            << configured([](C& c) { c.showProcessIndicators = false; });

        QTest::newRow("unreadable values") << Printed{{u"magnification"_s, u"maybe"_s},
                                                      {u"autohide"_s, u"2"_s},
                                                      {u"show-recents"_s, u"maybe"_s},
                                                      {u"tilesize"_s, u"large"_s},
                                                      {u"largesize"_s, u" \n\n"_s}}
                                           << C();
        QTest::newRow("sizes past 64 bits or hexadecimal")
            << Printed{{u"tilesize"_s, u"99999999999999999999"_s}, {u"largesize"_s, u"0x10"_s}} << C();
        QTest::newRow("sizes as reals")
            << Printed{{u"tilesize"_s, u"1e2"_s}, {u"largesize"_s, u"-2.9"_s}} << configured([](C& c) {
                   c.dockSize = 100;
                   c.magnificationSize = -2;
               });
        QTest::newRow("names in the wrong case")
            << Printed{{u"orientation"_s, u"Left"_s}, {u"mineffect"_s, u"Scale"_s}} << C();
        QTest::newRow("unknown edge") << Printed{{u"orientation"_s, u"top"_s}} << C();

        QTest::newRow("fast: delay 0, modifier 0.2")
            << Printed{{u"autohide-delay"_s, u"0"_s}, {u"autohide-time-modifier"_s, u"0.2"_s}}
            << configured([](C& c) { c.fastAutoHide = true; });
        QTest::newRow("fast: delay 0, modifier 0.5")
            << Printed{{u"autohide-delay"_s, u"0"_s}, {u"autohide-time-modifier"_s, u"0.5"_s}} << C();
        QTest::newRow("fast: delay 0.1, modifier 0")
            << Printed{{u"autohide-delay"_s, u"0.1"_s}, {u"autohide-time-modifier"_s, u"0"_s}} << C();
        QTest::newRow("fast: delay 0 alone") << Printed{{u"autohide-delay"_s, u"0"_s}} << C();
        QTest::newRow("fast: modifier alone") << Printed{{u"autohide-time-modifier"_s, u"0.2"_s}} << C();
    }

    void readConfigurationAppliesTheKeyTable() {
        QFETCH(Printed, printed);
        TestHome home;
        const QString folder = home.path() + u"/values"_s;
        QDir().mkpath(folder);
        for (auto entry = printed.cbegin(); entry != printed.cend(); ++entry) {
            QFile file(folder + u'/' + entry.key());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(entry.value().toUtf8());
        }
        const DockService dock{ShellService(platformPrintingFilesOf(home, folder))};

        QTEST(runTask(dock.readConfiguration()), "expected");
    }

    // Each key is asked for exactly once, with the arguments the real tool expects.
    void uncustomisedDockAsksForEveryKeyOnce() {
        TestHome home;
        // Output of a failed run is no value, whatever it says.
        const auto status = scopedVariable("BERTHWISE_RECORD_EXIT", "1");
        const auto output = scopedVariable("BERTHWISE_RECORD_STDOUT", "1\n");
        const DockService dock{ShellService(home.recordingPlatform())};

        QCOMPARE(runTask(dock.readConfiguration()), CapturedDockConfiguration());

        QStringList keys;
        for (const QStringList& call : home.recordedCalls()) {
            QCOMPARE(call.mid(1, 2), QStringList({u"read"_s, u"com.apple.dock"_s}));
            QCOMPARE(call.size(), 4);
            keys.append(call.at(3));
        }
        QStringList expected;
        for (DockPreferenceKey key : allDockPreferenceKeys)
            expected.append(rawValue(key));
        keys.sort();
        expected.sort();
        QCOMPARE(keys, expected);
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
        platform.defaultsPath =
            writeExecutable(home.path() + u"/barrier-defaults"_s,
                            "dir='" + QFile::encodeName(barrier) +
                                "'\n"
                                "[ -e \"$dir/gave-up\" ] && exit 1\n"
                                ": > \"$dir/$3\"\n"
                                "tries=0\n"
                                "while [ \"$(ls \"$dir\" | wc -l)\" -lt 13 ]; do\n"
                                "  tries=$((tries + 1))\n"
                                "  if [ $tries -gt 600 ]; then : > \"$dir/gave-up\"; exit 1; fi\n"
                                "  sleep 0.05\n"
                                "done\n"
                                "echo 1\n");
        const DockService dock{ShellService(platform)};

        const CapturedDockConfiguration read = runTask(dock.readConfiguration());

        QVERIFY(!QFile::exists(barrier + u"/gave-up"_s));
        QCOMPARE(read.autoHide, true);
        QCOMPARE(read.showOnlyRunningApps, true);
    }

    void parseConfigurationOfPropertyLists_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<CapturedDockConfiguration>("expected");
        using C = CapturedDockConfiguration;

        QTest::newRow("XML, every key") << dictionary(everyKey()) << customisedConfiguration();
        QTest::newRow("binary, every key") << dictionary(everyKey(), true) << customisedConfiguration();
        QTest::newRow("empty dictionary") << dictionary({}, true) << C();
        QTest::newRow("not a property list") << QByteArray("tilesize = 30") << C();
        QTest::newRow("no bytes") << QByteArray() << C();
        QTest::newRow("cut-off binary") << dictionary(everyKey(), true).first(40) << C();
        {
            const Plist array(plist_new_array());
            plist_array_append_item(array.get(), plist_new_uint(36));
            QTest::newRow("array at the top") << encoded(array, true) << C();
        }

        QTest::newRow("real size truncated")
            << dictionary({{"tilesize", plist_new_real(47.9)}}) << configured([](C& c) { c.dockSize = 47; });
        QTest::newRow("boolean from the integer 2") << dictionary({{"magnification", plist_new_uint(2)}})
                                                    << configured([](C& c) { c.magnification = true; });
        QTest::newRow("fast pair from integers")
            << dictionary(
                   {{"autohide-delay", plist_new_uint(0)}, {"autohide-time-modifier", plist_new_uint(0)}})
            << configured([](C& c) { c.fastAutoHide = true; });
        // Text counts only for the two keys whose values are names.
        QTest::newRow("size as text") << dictionary({{"tilesize", plist_new_string("64")}}) << C();
        QTest::newRow("orientation as a number") << dictionary({{"orientation", plist_new_uint(1)}}) << C();
    }

    void parseConfigurationOfPropertyLists() {
        QFETCH(QByteArray, data);
        QTEST(DockService::parseConfiguration(data), "expected");
    }
};

QTEST_GUILESS_MAIN(DockReadingTest)
#include "tst_dockreading.moc"
