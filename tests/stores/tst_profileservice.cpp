// SPDX-License-Identifier: MIT
#include "RunTask.h"
#include "StoreTestFiles.h"
#include "TestHome.h"
#include "common/Error.h"
#include "stores/ProfileService.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;
using namespace StoreTestFiles;

namespace {

const auto profilesData = u"profiles.json"_s;

ProfileService serviceFor(const Platform& platform) {
    return ProfileService(DockService(ShellService(platform)), BackupService(ShellService(platform)),
                          platform.profilesFile());
}

DockProfile sampleProfile(std::optional<QByteArray> plistData) {
    DockProfile profile;
    profile.id = QUuid::fromString(u"9f1c6b2e-4d3a-4b8e-9c71-2a5f0e8d3b47"_s);
    profile.name = u"Café \"Corner\""_s;
    profile.icon = u"cup.and.saucer"_s;
    profile.createdAt = QDateTime(QDate(2025, 3, 14), QTime(8, 30, 5), Qt::UTC);
    profile.dockSize = 64;
    profile.showOnlyRunningApps = true;
    profile.orientation = DockPosition::right;
    profile.minimizeEffect = MinimizeEffect::suck;
    profile.plistData = std::move(plistData);
    return profile;
}

// A profiles file as a hand, an older version or a damaged disk might leave it: each value usually
// one a user could have (dates at the ends of the calendar and escapes included), now and then an odd
// one, and now and then a key missing, so that a fair share of the files decode.
QByteArray generatedProfilesFile(QRandomGenerator& random) {
    using Values = QByteArrayList;
    const auto pick = [&](const Values& usual, const Values& odd) {
        const Values& from = random.bounded(32) == 0 ? odd : usual;
        return from.at(random.bounded(from.size()));
    };
    const Values texts{"\"Work\"", "\"Caf\\u00e9 \\\"Corner\\\"\"", "\"\"", "\"a\\u0000b\"",
                       "\"\\ud83d\\ude00\""};
    const Values numbers{
        "48", "48.0", "4.8e1", "-0", "9007199254740993", "9223372036854775807", "-9223372036854775808"};
    const Values booleans{"true", "false"};
    const QList<std::tuple<QByteArray, Values, Values>> fields{
        {"id",
         {"\"9f1c6b2e-4d3a-4b8e-9c71-2a5f0e8d3b47\"", "\"00000000-0000-0000-0000-000000000000\""},
         {"\"{9f1c6b2e-4d3a-4b8e-9c71-2a5f0e8d3b47}\""}},
        {"name", texts, {"\"\\ud800\"", "7"}},
        {"icon", texts, {"\"\\udc00x\""}},
        {"createdAt",
         {"\"2025-03-14T09:30:05Z\"", "\"2025-03-14T09:30:05+14:00\"", "\"9999-12-31T23:59:59-01:00\"",
          "\"9999-12-31T23:59:59Z\"", "\"0001-01-01T00:30:00+01:00\"", "\"0001-01-01T00:00:00Z\"",
          "\"2025-03-14T24:00:00Z\""},
         {"\"2024-02-30T10:00:00Z\"", "\"2025-03-14T23:59:60Z\"", "\"2025-03-14T09:30:05.5Z\""}},
        {"dockSize", numbers, {"0.5", "1e300", "\"48\""}},
        {"magnificationSize", numbers, {"9223372036854775808"}},
        {"orientation", {"\"left\"", "\"bottom\"", "\"right\""}, {"\"Left\""}},
        {"minimizeEffect", {"\"genie\"", "\"scale\"", "\"suck\""}, {"null"}},
        {"plistData", {"\"PGRpY3QvPg==\"", "\"\"", "\"QR==\"", "null"}, {"\"QQ\"", "\"*\""}},
        {"color", texts, {"[]"}},
        {"magnification", booleans, {"0"}},
        {"autoHide", booleans, {"null"}},
        {"fastAutoHide", booleans, {}},
        {"showRecentApps", booleans, {}},
        {"minimizeToApplication", booleans, {}},
        {"showHidden", booleans, {}},
        {"showOnlyRunningApps", booleans, {}},
        {"showProcessIndicators", booleans, {}}};
    QByteArrayList profiles;
    for (int count = random.bounded(1, 4); count > 0; --count) {
        QByteArrayList members;
        for (const auto& [key, usual, odd] : fields)
            members.append('"' + key + "\":" + pick(usual, odd.isEmpty() ? usual : odd));
        if (random.bounded(32) == 0)
            members.removeAt(random.bounded(members.size()));
        profiles.append('{' + members.join(',') + '}');
    }
    return '[' + profiles.join(',') + ']';
}

QString defaults(const ShellService& shell, QStringList arguments) {
    arguments.insert(1, u"com.apple.dock"_s);
    return runTask(shell.run(shell.platform().defaultsPath, arguments)).output.trimmed();
}

} // namespace

class ProfileServiceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void loadsHandWrittenProfilesNewestFirst() {
        TestHome home;
        const ProfileService service = serviceFor(home.platform());
        write(service.profilesFile(), data(profilesData));

        const QList<DockProfile> profiles = service.loadProfiles();
        QStringList names;
        for (const DockProfile& profile : profiles)
            names.append(profile.name);
        // Focus and Evening share their creation time and keep their order from the file.
        QCOMPARE(names, (QStringList{u"Focus"_s, u"Evening"_s, u"Work"_s}));
        const DockProfile& work = profiles.at(2);
        QCOMPARE(work.id, QUuid::fromString(u"3F2A9C1E-7B4D-4E8A-9D21-6C5B0A7E3F19"_s));
        QCOMPARE(work.createdAt, QDateTime(QDate(2025, 1, 10), QTime(8, 0), Qt::UTC));
        QVERIFY(work.plistData && work.plistData->startsWith("<?xml"));
        QVERIFY(work.dockSize == 52 && work.magnification && !work.showRecentApps);
        QVERIFY(work.orientation == DockPosition::left && work.minimizeEffect == MinimizeEffect::scale);
        QVERIFY(!profiles.at(0).plistData);
    }

    void decodesStrictly_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("loads");
        const auto set = [](const QString& key, const QJsonValue& value) {
            return withFirst(profilesData, key, value);
        };
        QTest::newRow("date with offset") << set(u"createdAt"_s, u"2025-01-10T09:00:00+01:00"_s) << true;
        QTest::newRow("missing icon") << data(u"profiles-missing-icon.json"_s) << false;
        QTest::newRow("date without zone") << set(u"createdAt"_s, u"2025-01-10T08:00:00"_s) << false;
        QTest::newRow("size as text") << set(u"dockSize"_s, u"52"_s) << false;
        // Known only in another case.
        QTest::newRow("unknown position") << set(u"orientation"_s, u"Left"_s) << false;
    }

    // A file that does not decode loads as no profiles, and survives the next save beside the new file.
    void decodesStrictly() {
        QFETCH(QByteArray, content);
        QFETCH(bool, loads);
        TestHome home;
        const ProfileService service = serviceFor(home.platform());
        write(service.profilesFile(), content);
        QCOMPARE(service.loadProfiles().size(), loads ? 3 : 0);
        QCOMPARE(StoreTestFiles::content(service.profilesFile()), content);
        if (loads)
            return;
        const QList profiles{sampleProfile(std::nullopt)};
        service.saveProfiles(profiles);
        QCOMPARE(service.loadProfiles(), profiles);
        service.saveProfiles(profiles);
        QCOMPARE(keptAside(service.profilesFile()), content);
    }

    void writesSortedKeysAndInternetDates() {
        TestHome home;
        const ProfileService service = serviceFor(home.platform());
        DockProfile profile = sampleProfile(QByteArray("\xfb\xef\xff<dict/>", 10)); // Base64 with '+' and '/'
        profile.createdAt = QDateTime::fromString(u"2025-03-14T09:30:05.678+01:00"_s, Qt::ISODateWithMs);
        service.saveProfiles({profile});
        const QString text = QString::fromUtf8(content(service.profilesFile()));

        QStringList keys;
        for (const auto& match : QRegularExpression(u"\"(\\w+)\"\\s*:"_s).globalMatch(text))
            keys.append(match.captured(1));
        QCOMPARE(keys.size(), 17);
        QVERIFY2(std::is_sorted(keys.begin(), keys.end()), qPrintable(keys.join(u' ')));
        QVERIFY(text.contains(u"\"2025-03-14T08:30:05Z\""_s));
        QVERIFY(text.contains(u"\"9F1C6B2E-4D3A-4B8E-9C71-2A5F0E8D3B47\""_s));
        QVERIFY(text.contains(u"\"++//PGRpY3QvPg==\""_s));
        QVERIFY(text.count(u'\n') > 17);
        QCOMPARE(service.loadProfiles(), QList{sampleProfile(QByteArray("\xfb\xef\xff<dict/>", 10))});
    }

    // A file the reader accepts but the writer cannot put back would be set aside at the next save,
    // and the profiles would vanish.
    void everyAcceptedFileIsWrittenBackAsRead() {
        TestHome home;
        const ProfileService service = serviceFor(home.platform());
        QRandomGenerator random(20250314);
        int accepted = 0;
        for (int round = 0; round < 1000; ++round) {
            const QByteArray file = generatedProfilesFile(random);
            write(service.profilesFile(), file);
            const QList<DockProfile> profiles = service.loadProfiles();
            if (profiles.isEmpty())
                continue;
            ++accepted;
            service.saveProfiles(profiles);
            const QByteArray written = content(service.profilesFile());
            QCOMPARE(service.loadProfiles(), profiles);
            service.saveProfiles(service.loadProfiles());
            QVERIFY2(content(service.profilesFile()) == written, file.constData());
        }
        // The property says nothing unless a fair share of the files were accepted.
        QVERIFY2(accepted > 100, qPrintable(QString::number(accepted)));
    }

    void exportThenImportGivesANewIdentity() {
        TestHome home;
        const ProfileService service = serviceFor(home.platform());
        const DockProfile original = sampleProfile(QByteArray("<plist><dict/></plist>"));
        const QString file = home.path() + u"/Café Corner.berthwise.json"_s;
        service.exportProfile(original, file);
        QVERIFY(QJsonDocument::fromJson(content(file)).isObject());

        const qint64 before = QDateTime::currentSecsSinceEpoch();
        DockProfile imported = service.importProfile(file);
        QVERIFY(imported.id != original.id && !imported.id.isNull());
        QVERIFY(imported.createdAt.toSecsSinceEpoch() >= before);
        imported.id = original.id;
        imported.createdAt = original.createdAt;
        QCOMPARE(imported, original);

        // A whole profiles file is not one profile.
        write(file, data(profilesData));
        QVERIFY_THROWS_EXCEPTION(Error, (void)service.importProfile(file));
        QVERIFY_THROWS_EXCEPTION(Error, (void)service.importProfile(home.path() + u"/missing.json"_s));
    }

    // Tests run as root, which ignores permission bits, so a read-only folder would not stop the
    // save; a file-size limit (RLIMIT_FSIZE) does, failing every write as a full or read-only disk
    // would, after the first few bytes.
    void aFailedSaveLeavesTheFileAsItWas() {
        TestHome home;
        const ProfileService service = serviceFor(home.platform());
        write(service.profilesFile(), data(profilesData));
        {
            rlimit saved{};
            getrlimit(RLIMIT_FSIZE, &saved);
            const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
            const auto restore = qScopeGuard([&] {
                setrlimit(RLIMIT_FSIZE, &saved);
                std::signal(SIGXFSZ, savedHandler);
            });
            rlimit tiny = saved;
            tiny.rlim_cur = 16;
            QVERIFY(setrlimit(RLIMIT_FSIZE, &tiny) == 0);
            QVERIFY_THROWS_EXCEPTION(Error, service.saveProfiles({sampleProfile(std::nullopt)}));
        }
        QCOMPARE(content(service.profilesFile()), data(profilesData));
        const QDir folder = QFileInfo(service.profilesFile()).absoluteDir();
        QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden), QStringList{u"Profiles.json"_s});
    }

    // No Dock preferences file, so no backup can be taken; the apply goes ahead all the same.
    void appliesWithoutABackup_data() {
        QTest::addColumn<bool>("withPlistData");
        QTest::newRow("with plist data: import only") << true;
        QTest::newRow("without: the twelve settings") << false;
    }

    void appliesWithoutABackup() {
        QFETCH(bool, withPlistData);
        TestHome home;
        const Platform platform = home.recordingPlatform();
        runTask(serviceFor(platform).applyProfile(sampleProfile(
            withPlistData ? std::optional(QByteArray("<plist><dict/></plist>")) : std::nullopt)));

        QVERIFY(QDir(platform.backupsFolder()).isEmpty());
        const QList<QStringList> calls = home.recordedCalls();
        const QStringList scripts = home.recordedScripts();
        if (withPlistData) {
            // One import and the restart; no single settings.
            QCOMPARE(calls.size(), 2);
            QCOMPARE(calls.at(0).mid(1, 2), (QStringList{u"import"_s, u"com.apple.dock"_s}));
            QCOMPARE(calls.at(1).mid(1), QStringList{u"Dock"_s});
        } else {
            QCOMPARE(scripts.size(), 12);
            QVERIFY(scripts.first().startsWith(u"defaults write com.apple.dock tilesize -int 64\n"_s));
            QVERIFY(scripts.join(u'\n').contains(u"orientation -string right"_s));
        }
    }

    // Against the simulated Dock: the captured layout comes back, after a backup of what it replaces.
    void capturedProfileRestoresTheDock() {
        TestHome home;
        const ShellService shell(home.platform());
        const ProfileService service = serviceFor(shell.platform());
        defaults(shell, {u"write"_s, u"tilesize"_s, u"-int"_s, u"50"_s});
        defaults(shell, {u"write"_s, u"orientation"_s, u"-string"_s, u"left"_s});

        const DockProfile captured = runTask(service.captureProfile(u"Desk"_s, u"desktopcomputer"_s));
        QVERIFY(captured.name == u"Desk"_s && captured.icon == u"desktopcomputer"_s);
        QVERIFY(captured.dockSize == 50 && captured.orientation == DockPosition::left);
        QVERIFY(captured.plistData && !captured.plistData->isEmpty());

        defaults(shell, {u"write"_s, u"tilesize"_s, u"-int"_s, u"30"_s});
        runTask(service.applyProfile(captured));
        QCOMPARE(defaults(shell, {u"read"_s, u"tilesize"_s}), u"50"_s);
        QCOMPARE(defaults(shell, {u"read"_s, u"orientation"_s}), u"left"_s);
        const QStringList backups = BackupService(shell).listBackups();
        QCOMPARE(backups.size(), 1);
        QCOMPARE(DockService::parseConfiguration(content(backups.first())).dockSize, 30);
    }
};

QTEST_GUILESS_MAIN(ProfileServiceTest)
#include "tst_profileservice.moc"
