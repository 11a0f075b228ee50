// SPDX-License-Identifier: MIT
#include "Columns.h"
#include "RunTask.h"
#include "StoreTestFiles.h"
#include "TestHome.h"
#include "common/Error.h"
#include "model/DockSetting.h"
#include "stores/PresetService.h"
#include "stores/ProfileService.h"

#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;
using namespace StoreTestFiles;

using Apply = std::function<QCoro::Task<>(Platform)>;
Q_DECLARE_METATYPE(Apply)

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

// Everything named before the wait: g++ 12 mishandles temporaries that live across a co_await.
template <bool withPlistData> QCoro::Task<> applyProfileWith(Platform platform) {
    const ProfileService service = serviceFor(platform);
    const DockProfile profile =
        sampleProfile(withPlistData ? std::optional(QByteArray("<plist><dict/></plist>")) : std::nullopt);
    co_await service.applyProfile(profile);
}

QCoro::Task<> applyPresentationMode(Platform platform) {
    const PresetService service{DockService(ShellService(platform)), BackupService(ShellService(platform))};
    co_await service.applyPreset(DockPreset::builtInPresets().at(2));
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
        // Focus and Evening share their creation time and keep their order from the file.
        QCOMPARE(profiles.size(), 3);
        QVERIFY(profiles[0].name == u"Focus"_s && profiles[1].name == u"Evening"_s && !profiles[0].plistData);
        const DockProfile& work = profiles.at(2);
        QCOMPARE(work.id, QUuid::fromString(u"3F2A9C1E-7B4D-4E8A-9D21-6C5B0A7E3F19"_s));
        QCOMPARE(work.createdAt, QDateTime(QDate(2025, 1, 10), QTime(8, 0), Qt::UTC));
        QVERIFY(work.plistData && work.plistData->startsWith("<?xml"));
        QVERIFY(work.dockSize == 52 && work.orientation == DockPosition::left);
    }

    void decodesStrictly_data() {
        columns<QByteArray, bool>("content", "loads");
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
        // The profile's own five and one per setting.
        QCOMPARE(keys.size(), qsizetype(5 + DockSetting::all().size()));
        QVERIFY2(std::is_sorted(keys.begin(), keys.end()), qPrintable(keys.join(u' ')));
        QVERIFY(text.contains(u"\"2025-03-14T08:30:05Z\""_s));
        QVERIFY(text.contains(u"\"9F1C6B2E-4D3A-4B8E-9C71-2A5F0E8D3B47\""_s));
        QVERIFY(text.contains(u"\"++//PGRpY3QvPg==\""_s));
        QCOMPARE(service.loadProfiles(), QList{sampleProfile(QByteArray("\xfb\xef\xff<dict/>", 10))});
    }

    void importGivesANewIdentityAndRefusesWhatIsNoProfile() {
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

    // No Dock preferences, so the export for the backup yields nothing; the apply goes ahead all the
    // same.
    void appliesWithoutABackup_data() {
        columns<Apply, QStringList, QStringList>("apply", "calls", "lines");
        const QStringList exportThenScriptPerSetting =
            QStringList{u"export"_s} + QStringList(qsizetype(DockSetting::all().size()), u"-lc"_s);
        QTest::newRow("profile with plist data: import only")
            << Apply(applyProfileWith<true>) << QStringList{u"export"_s, u"import"_s, u"Dock"_s}
            << QStringList{};
        QTest::newRow("profile without: every setting")
            << Apply(applyProfileWith<false>) << exportThenScriptPerSetting
            << QStringList{u"tilesize -int 64"_s, u"orientation -string right"_s};
        QTest::newRow("preset") << Apply(applyPresentationMode) << exportThenScriptPerSetting
                                << QStringList{u"autohide -bool true"_s,
                                               u"autohide-delay -float 0"_s,
                                               u"show-process-indicators -bool false"_s,
                                               u"showhidden -bool false"_s,
                                               u"mineffect -string scale"_s,
                                               u"orientation -string bottom"_s};
    }

    void appliesWithoutABackup() {
        QFETCH(Apply, apply);
        QFETCH(QStringList, lines);
        TestHome home;
        const Platform platform = home.recordingPlatform();
        runTask(apply(platform));
        QVERIFY(QDir(platform.backupsFolder()).isEmpty());
        QStringList calls;
        for (const QStringList& call : home.recordedCalls())
            calls.append(call.value(1));
        QTEST(calls, "calls");
        const QString scripts = home.recordedScripts().join(u'\n');
        for (const QString& line : lines)
            QVERIFY2(scripts.contains(line), qPrintable(line));
    }
};

QTEST_GUILESS_MAIN(ProfileServiceTest)
#include "tst_profileservice.moc"
