// SPDX-License-Identifier: MIT
#include "TestHome.h"
#include "state/DockViewModel.h"
#include "state/ListEntryMaps.h"
#include "stores/ScheduleStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>

#include <unistd.h>

using namespace Qt::StringLiterals;

using Call = std::function<void(DockViewModel&)>;
Q_DECLARE_METATYPE(Call)

namespace {

constexpr int patience = 60'000;
const auto somethingWentWrong = u"Something went wrong."_s;
// Monday 17 March 2025.
const QDate monday(2025, 3, 17);

QDateTime at(const QDate& day, int hour, int minute, int second) {
    return QDateTime(day, QTime(hour, minute, second));
}

// The twelve settings as the view model publishes them.
DockConfiguration published(const DockViewModel& model) {
    DockConfiguration configuration;
    configuration.dockSize = qint64(model.dockSize());
    configuration.magnification = model.isMagnificationEnabled();
    configuration.magnificationSize = qint64(model.magnificationSize());
    configuration.autoHide = model.isAutoHideEnabled();
    configuration.fastAutoHide = model.fastAutoHide();
    configuration.showRecentApps = !model.hideRecentApps();
    configuration.minimizeToApplication = model.minimizeIntoAppIcon();
    configuration.showHidden = model.dimHiddenApps();
    configuration.showOnlyRunningApps = model.showOnlyRunningApps();
    configuration.showProcessIndicators = model.showRunningIndicators();
    configuration.orientation = model.dockPosition();
    configuration.minimizeEffect = model.minimizeEffect();
    return configuration;
}

// Full Power: every value differs from the initial ones and from the Dock the tests prepare.
DockProfile profileNamed(const QString& name) {
    DockProfile profile;
    static_cast<DockConfiguration&>(profile) = DockPreset::builtInPresets().at(3);
    profile.id = QUuid::createUuid();
    profile.name = name;
    profile.createdAt = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch(), Qt::UTC);
    return profile;
}

DockSchedule mondayNineFor(const DockProfile& profile) {
    DockSchedule schedule;
    schedule.profileID = profile.id;
    schedule.hour = 9;
    schedule.days = {Weekday::monday};
    return schedule;
}

[[nodiscard]] bool finished(const DockViewModel& model) {
    return QTest::qWaitFor([&] { return !model.isWorking(); }, patience);
}

// Every Dock a test prepares has a magnified size other than the initial 96, and the recording shell
// reads as the Dock's default of 128, so a change there means the start-up reading has arrived.
[[nodiscard]] bool dockWasRead(const DockViewModel& model) {
    return QTest::qWaitFor([&] { return model.magnificationSize() != 96; }, patience);
}

// Leaves a regular file where the application's folder belongs, which no user, root included, can
// write below.
void breakStoreFolder(const Platform& platform) {
    QDir(platform.applicationSupportFolder).removeRecursively();
    QDir().mkpath(QFileInfo(platform.applicationSupportFolder).absolutePath());
    QFile blocker(platform.applicationSupportFolder);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
}

} // namespace

class DockViewModelTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestHome> m_home;

    [[nodiscard]] Platform platform() const { return m_home->platform(); }

    [[nodiscard]] Platform failingShell() const {
        Platform platform = m_home->platform();
        platform.shellPath = u"/nonexistent/zsh"_s;
        return platform;
    }

    void writeDock(const QStringList& keyTypeValue) const {
        QProcess process;
        process.setProcessEnvironment(platform().childEnvironment());
        process.start(platform().defaultsPath, QStringList{u"write"_s, u"com.apple.dock"_s} + keyTypeValue);
        QVERIFY(process.waitForFinished(patience));
        QCOMPARE(process.exitCode(), 0);
    }

    void storeProfilesAndSchedules(const QList<DockProfile>& profiles,
                                   const QList<DockSchedule>& schedules) const {
        const Platform p = platform();
        ProfileService(DockService(ShellService(p)), BackupService(ShellService(p)), p.profilesFile())
            .saveProfiles(profiles);
        ScheduleStore(p.applicationSupportFolder).saveSchedules(schedules);
    }

private Q_SLOTS:
    void init() {
        m_home = std::make_unique<TestHome>();
        writeDock({u"largesize"_s, u"-int"_s, u"77"_s});
    }

    void cleanup() { m_home.reset(); }

    void startsFromInitialValuesThenShowsTheDock_data() {
        QTest::addColumn<bool>("showRecents");
        QTest::newRow("recents shown") << true;
        QTest::newRow("recents hidden") << false;
    }

    void startsFromInitialValuesThenShowsTheDock() {
        QFETCH(bool, showRecents);
        const DockProfile stored = profileNamed(u"Stored"_s);
        storeProfilesAndSchedules({stored}, {mondayNineFor(stored)});
        writeDock({u"tilesize"_s, u"-int"_s, u"33"_s});
        writeDock({u"show-recents"_s, u"-bool"_s, showRecents ? u"true"_s : u"false"_s});
        writeDock({u"orientation"_s, u"-string"_s, u"left"_s});
        writeDock({u"minimize-to-application"_s, u"-bool"_s, u"false"_s});

        DockViewModel model(platform());
        DockConfiguration initial;
        initial.magnificationSize = 96;
        initial.minimizeToApplication = true;
        initial.showRecentApps = false;
        QCOMPARE(published(model), initial);
        QCOMPARE(model.statusMessage(), u"Ready"_s);
        QVERIFY(!model.isWorking());
        QVERIFY(model.backups().isEmpty());
        QCOMPARE(model.profiles().size(), 1);
        QCOMPARE(model.schedules().size(), 1);

        QVERIFY(dockWasRead(model));
        DockConfiguration dock;
        dock.dockSize = 33;
        dock.magnificationSize = 77;
        dock.showRecentApps = showRecents;
        dock.orientation = DockPosition::left;
        QCOMPARE(published(model), dock);
    }

    void settingsAndTilesReachTheDock_data() {
        QTest::addColumn<Call>("call");
        QTest::addColumn<QString>("scriptPart");
        QTest::addColumn<QString>("status");
        const QString updated = u"Dock updated successfully."_s;
        QTest::newRow("size truncated") << Call([](DockViewModel& m) {
            m.setDockSize(63.9);
            m.commitDockSize();
        }) << u"tilesize -int 63\n"_s << updated;
        QTest::newRow("magnified size truncated") << Call([](DockViewModel& m) {
            m.setMagnificationSize(127.99);
            m.commitMagnificationSize();
        }) << u"largesize -int 127\n"_s << updated;
        QTest::newRow("hiding recents") << Call([](DockViewModel& m) { m.changeHideRecentApps(true); })
                                        << u"show-recents -bool false"_s << updated;
        QTest::newRow("showing recents") << Call([](DockViewModel& m) { m.changeHideRecentApps(false); })
                                         << u"show-recents -bool true"_s << updated;
        QTest::newRow("small spacer, right side")
            << Call([](DockViewModel& m) { m.performAddSpacer(u"small"_s, u"others"_s); })
            << u"small-spacer-tile"_s << u"Small spacer added to Right Side."_s;
        QTest::newRow("servers stack") << Call([](DockViewModel& m) { m.addRecentStack(4); })
                                       << u"persistent-others"_s << u"Recent Servers stack added."_s;
    }

    void settingsAndTilesReachTheDock() {
        QFETCH(Call, call);
        DockViewModel model(m_home->recordingPlatform());
        QVERIFY(dockWasRead(model));
        call(model);
        QVERIFY(finished(model));
        QTEST(model.statusMessage(), "status");
        const QStringList scripts = m_home->recordedScripts();
        QCOMPARE(scripts.size(), 1);
        QFETCH(QString, scriptPart);
        QVERIFY2(scripts.first().contains(scriptPart), qPrintable(scripts.first()));
    }

    void failureIsReportedAndClearedWhenTheNextStarts() {
        DockViewModel model(failingShell());
        QVERIFY(dockWasRead(model));
        model.changeAutoHide(true);
        QVERIFY(model.isWorking());
        QVERIFY(finished(model));
        QVERIFY(model.isAutoHideEnabled());
        QCOMPARE(model.statusMessage(), somethingWentWrong);
        QVERIFY2(model.lastError().contains(u"/nonexistent/zsh"_s), qPrintable(model.lastError()));

        model.changeMagnification(true);
        QVERIFY(model.isWorking());
        QVERIFY(model.lastError().isEmpty());
        QVERIFY(finished(model));
        QVERIFY(!model.lastError().isEmpty());
    }

    void busyUntilTheLastOverlappingOperationEnds() {
        DockViewModel model(platform());
        QVERIFY(dockWasRead(model));
        QList<bool> workingAtEachEnd;
        connect(&model, &DockViewModel::statusMessageChanged, this,
                [&] { workingAtEachEnd.append(model.isWorking()); });
        QSignalSpy workingChanges(&model, &DockViewModel::isWorkingChanged);
        model.perform(u"first"_s, [&model] { return model.applyAutoHide(true); });
        model.perform(u"second"_s, [&model] { return model.applyMagnification(true); });
        QVERIFY(finished(model));
        QCOMPARE(workingAtEachEnd, QList<bool>({true, true}));
        QCOMPARE(workingChanges.size(), 2);
    }

    void capturedAndImportedProfilesComeFirst() {
        DockViewModel model(platform());
        QVERIFY(dockWasRead(model));
        model.captureProfile(u" \n\t "_s, u"star"_s);
        QVERIFY(finished(model));
        QCOMPARE(model.statusMessage(), u"Profile 'Untitled Profile' captured."_s);
        model.captureProfile(u"  Work  "_s, u"star"_s);
        QVERIFY(finished(model));
        const DockProfile work = model.profiles().first();

        const QString exchange = m_home->path() + u"/work.json"_s;
        model.performExportProfile(work.id.toString(QUuid::WithBraces).toUpper(),
                                   QUrl::fromLocalFile(exchange));
        QVERIFY(finished(model));
        const QDateTime beforeImports = QDateTime::currentDateTimeUtc().addSecs(-1);
        for (int i = 0; i < 2; ++i) {
            model.performImportProfile(QUrl::fromLocalFile(exchange));
            QVERIFY(finished(model));
            QCOMPARE(model.statusMessage(), u"Profile imported."_s);
        }
        const QList<DockProfile> profiles = model.profiles();
        QCOMPARE(profiles.size(), 4);
        QVERIFY(profiles.at(0).name == work.name && profiles.at(1).name == work.name);
        QCOMPARE(profiles.at(3).name, u"Untitled Profile"_s);
        QVERIFY(profiles.at(0).id != profiles.at(1).id && profiles.at(1).id != work.id);
        QVERIFY(profiles.at(1).createdAt >= beforeImports);
        model.reloadProfiles();
        QCOMPARE(model.profiles(), profiles);
    }

    void profileListEdits_data() {
        QTest::addColumn<Call>("call");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QStringList>("names");
        const QString renamed = u"Profile renamed."_s;
        const QString deleted = u"Profile deleted."_s;
        QTest::newRow("rename, trimmed")
            << Call([](DockViewModel& m) { m.renameProfile(m.profiles().first(), u"  Office \n"_s); })
            << renamed << QStringList{u"Office"_s};
        QTest::newRow("blank rename does nothing")
            << Call([](DockViewModel& m) { m.renameProfile(m.profiles().first(), u" \t\n"_s); }) << u"Ready"_s
            << QStringList{u"Home"_s};
        QTest::newRow("rename of a profile no longer listed")
            << Call([](DockViewModel& m) { m.renameProfile(profileNamed(u"Gone"_s), u"Back"_s); }) << renamed
            << QStringList{u"Home"_s};
        QTest::newRow("delete") << Call([](DockViewModel& m) {
            m.performDeleteProfile(ListEntryMaps::idText(m.profiles().first().id));
        }) << deleted << QStringList{};
        QTest::newRow("delete of a profile no longer listed") << Call([](DockViewModel& m) {
            m.performDeleteProfile(ListEntryMaps::idText(QUuid::createUuid()));
        }) << deleted << QStringList{u"Home"_s};
    }

    void profileListEdits() {
        QFETCH(Call, call);
        storeProfilesAndSchedules({profileNamed(u"Home"_s)}, {});
        DockViewModel model(platform());
        QVERIFY(dockWasRead(model));
        call(model);
        QVERIFY(finished(model));
        QTEST(model.statusMessage(), "status");
        QVERIFY(model.lastError().isEmpty());
        model.reloadProfiles();
        QStringList names;
        for (const DockProfile& profile : model.profiles())
            names.append(profile.name);
        QTEST(names, "names");
    }

    void failedProfileSaveLeavesTheListAsItWas_data() {
        QTest::addColumn<Call>("call");
        QTest::newRow("capture") << Call([](DockViewModel& m) { m.captureProfile(u"New"_s, u"star"_s); });
        QTest::newRow("rename") << Call(
            [](DockViewModel& m) { m.renameProfile(m.profiles().first(), u"New"_s); });
        QTest::newRow("delete") << Call(
            [](DockViewModel& m) { m.performDeleteProfile(ListEntryMaps::idText(m.profiles().first().id)); });
        QTest::newRow("import") << Call([](DockViewModel& m) {
            m.performImportProfile(QUrl::fromLocalFile(QDir::homePath() + u"/kept.json"_s));
        });
    }

    void failedProfileSaveLeavesTheListAsItWas() {
        QFETCH(Call, call);
        const DockProfile stored = profileNamed(u"Kept"_s);
        storeProfilesAndSchedules({stored}, {});
        DockViewModel model(platform());
        QVERIFY(dockWasRead(model));
        model.profileService().exportProfile(stored, QDir::homePath() + u"/kept.json"_s);
        breakStoreFolder(platform());
        QSignalSpy profileChanges(&model, &DockViewModel::profilesChanged);
        call(model);
        QVERIFY(finished(model));
        QCOMPARE(model.statusMessage(), somethingWentWrong);
        QVERIFY(!model.lastError().isEmpty());
        QCOMPARE(profileChanges.size(), 0);
        QCOMPARE(model.profiles(), QList<DockProfile>{stored});
    }

    void newBackupIsListedFirstEvenWhenListingFails_data() {
        QTest::addColumn<bool>("listable");
        QTest::newRow("listable") << true;
        QTest::newRow("unlistable") << false;
    }

    void newBackupIsListedFirstEvenWhenListingFails() {
        QFETCH(bool, listable);
        if (!listable && ::geteuid() == 0)
            QSKIP("root lists every folder, so the listing cannot be made to fail");
        const QString folder = platform().backupsFolder();
        QVERIFY(QDir().mkpath(folder));
        QFile older(folder + u"/com.apple.dock.backup.20200101-000000.plist"_s);
        QVERIFY(older.open(QIODevice::WriteOnly));
        older.close();
        if (!listable)
            QFile::setPermissions(folder, QFile::WriteOwner | QFile::ExeOwner);
        DockViewModel model(platform());
        QVERIFY(dockWasRead(model));
        model.performCreateBackup();
        QVERIFY(finished(model));
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(model.statusMessage(), u"Backup created successfully."_s);
        QCOMPARE(model.backups().size(), listable ? 2 : 1);
        QVERIFY(model.backups().first() != older.fileName());
        QVERIFY(QFileInfo::exists(model.backups().first()));
    }

    void presetValuesArePublishedOnlyAfterTheDockChanged_data() {
        QTest::addColumn<bool>("shellStarts");
        QTest::newRow("applied") << true;
        QTest::newRow("failed") << false;
    }

    void presetValuesArePublishedOnlyAfterTheDockChanged() {
        QFETCH(bool, shellStarts);
        const DockPreset& presentation = DockPreset::builtInPresets().at(2);
        DockViewModel model(shellStarts ? platform() : failingShell());
        QVERIFY(dockWasRead(model));
        const DockConfiguration before = published(model);
        const int restartsBefore = m_home->dockRestarts();
        int restartsWhenPublished = -1;
        connect(&model, &DockViewModel::isAutoHideEnabledChanged, this,
                [&] { restartsWhenPublished = m_home->dockRestarts(); });
        model.performApplyPreset(u"00000000-0000-0000-0000-000000000003"_s);
        QCOMPARE(published(model), before);
        QVERIFY(finished(model));
        if (!shellStarts) {
            QCOMPARE(model.statusMessage(), somethingWentWrong);
            QCOMPARE(published(model), before);
            return;
        }
        QCOMPARE(model.statusMessage(), u"'Presentation Mode' applied."_s);
        QCOMPARE(published(model), static_cast<const DockConfiguration&>(presentation));
        QVERIFY(restartsWhenPublished > restartsBefore);
    }

    void scheduleChangesStayWhenTheSaveFails_data() {
        QTest::addColumn<Call>("call");
        QTest::addColumn<int>("expectedCount");
        QTest::newRow("add") << Call([](DockViewModel& m) { m.addSchedule(DockSchedule()); }) << 2;
        QTest::newRow("update") << Call([](DockViewModel& m) {
            // Through the screens' map, as the enable switch sends it.
            QVariantMap edited = m.scheduleList().first().toMap();
            edited.insert(u"isEnabled"_s, false);
            m.updateSchedule(edited);
        }) << 1;
        QTest::newRow("delete") << Call([](DockViewModel& m) {
            m.deleteSchedule(ListEntryMaps::idText(m.schedules().first().id));
        }) << 0;
    }

    void scheduleChangesStayWhenTheSaveFails() {
        QFETCH(Call, call);
        QFETCH(int, expectedCount);
        const DockProfile profile = profileNamed(u"Any"_s);
        storeProfilesAndSchedules({profile}, {mondayNineFor(profile)});
        DockViewModel model(platform());
        QVERIFY(dockWasRead(model));
        breakStoreFolder(platform());
        QSignalSpy working(&model, &DockViewModel::isWorkingChanged);
        call(model);
        QCOMPARE(model.schedules().size(), expectedCount);
        if (QTest::currentDataTag() == "update"_L1)
            QVERIFY(!model.schedules().first().isEnabled);
        QVERIFY(!model.lastError().isEmpty());
        QCOMPARE(model.statusMessage(), u"Ready"_s);
        QCOMPARE(working.size(), 0);
    }

    void runnerAppliesOnlyADueSchedule_data() {
        QTest::addColumn<QList<int>>("days");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("profileExists");
        QTest::addColumn<QDateTime>("lastApplied");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<bool>("applied");
        const QList<int> mondays{2};
        const QDateTime never;
        QTest::newRow("due") << mondays << true << true << never << at(monday, 9, 0, 10) << true;
        QTest::newRow("a minute late") << mondays << true << true << never << at(monday, 9, 1, 0) << false;
        QTest::newRow("other day") << QList<int>{3} << true << true << never << at(monday, 9, 0, 10) << false;
        QTest::newRow("applied earlier this minute")
            << mondays << true << true << at(monday, 9, 0, 10) << at(monday, 9, 0, 40) << false;
        QTest::newRow("applied a week before")
            << mondays << true << true << at(monday.addDays(-7), 9, 0, 10) << at(monday, 9, 0, 5) << true;
        QTest::newRow("applied yesterday at this time")
            << QList<int>{2, 3} << true << true << at(monday, 9, 0, 10) << at(monday.addDays(1), 9, 0, 20)
            << true;
        QTest::newRow("Sunday is day 1")
            << QList<int>{1} << true << true << never << at(monday.addDays(-1), 9, 0, 0) << true;
        QTest::newRow("disabled") << mondays << false << true << never << at(monday, 9, 0, 10) << false;
        QTest::newRow("no days") << QList<int>{} << true << true << never << at(monday, 9, 0, 10) << false;
        QTest::newRow("profile deleted")
            << mondays << true << false << never << at(monday, 9, 0, 10) << false;
    }

    void runnerAppliesOnlyADueSchedule() {
        QFETCH(QList<int>, days);
        QFETCH(bool, enabled);
        QFETCH(bool, profileExists);
        QFETCH(QDateTime, lastApplied);
        QFETCH(QDateTime, now);
        QFETCH(bool, applied);
        const DockProfile profile = profileNamed(u"Evening"_s);
        DockSchedule schedule = mondayNineFor(profile);
        schedule.days.clear();
        for (int day : days)
            schedule.days.insert(*weekdayFromRawValue(day));
        schedule.isEnabled = enabled;
        if (lastApplied.isValid())
            schedule.lastAppliedDate = lastApplied;
        storeProfilesAndSchedules(profileExists ? QList<DockProfile>{profile} : QList<DockProfile>{},
                                  {schedule});

        DockViewModel model(m_home->recordingPlatform(), [now] { return now; });
        QVERIFY(dockWasRead(model));
        model.checkSchedules();
        QCOMPARE(model.isWorking(), applied);
        QVERIFY(finished(model));
        if (!applied) {
            QCOMPARE(model.schedules().first().lastAppliedDate, schedule.lastAppliedDate);
            QVERIFY(model.statusMessage() == u"Ready"_s && model.lastError().isEmpty());
            QVERIFY(m_home->recordedScripts().isEmpty());
            return;
        }
        QCOMPARE(model.statusMessage(), u"Schedule applied 'Evening'."_s);
        QCOMPARE(model.schedules().first().lastAppliedDate, std::optional(now));
    }

    void runnerAppliesOncePerMinuteAcrossRestarts() {
        const DockProfile profile = profileNamed(u"Evening"_s);
        storeProfilesAndSchedules({profile}, {mondayNineFor(profile)});
        QDateTime now = at(monday, 9, 0, 10);
        const auto clock = [&now] { return now; };
        {
            DockViewModel model(platform(), clock);
            QVERIFY(dockWasRead(model));
            model.checkSchedules();
            QVERIFY(finished(model));
            QCOMPARE(model.statusMessage(), u"Schedule applied 'Evening'."_s);
            QCOMPARE(model.lastScheduleApplied(), u"Evening"_s);
            QCOMPARE(published(model), static_cast<const DockConfiguration&>(profile));
            now = at(monday, 9, 0, 40);
            model.checkSchedules();
            QVERIFY(!model.isWorking());
        }
        DockViewModel restarted(platform(), clock);
        QVERIFY(dockWasRead(restarted));
        now = at(monday, 9, 0, 50);
        restarted.checkSchedules();
        QVERIFY(!restarted.isWorking());
        now = at(monday.addDays(7), 9, 0, 10);
        restarted.checkSchedules();
        QVERIFY(finished(restarted));
        QCOMPARE(restarted.statusMessage(), u"Schedule applied 'Evening'."_s);
    }

    void twoDueSchedulesApplyOnePerTickInListOrder() {
        const DockProfile first = profileNamed(u"First"_s);
        const DockProfile second = profileNamed(u"Second"_s);
        storeProfilesAndSchedules({first, second}, {mondayNineFor(first), mondayNineFor(second)});
        QDateTime now = at(monday, 9, 0, 10);
        DockViewModel model(m_home->recordingPlatform(), [&now] { return now; });
        QVERIFY(dockWasRead(model));
        model.checkSchedules();
        QVERIFY(finished(model));
        QCOMPARE(model.statusMessage(), u"Schedule applied 'First'."_s);
        QVERIFY(!model.schedules().at(1).lastAppliedDate);
        now = at(monday, 9, 0, 40);
        model.checkSchedules();
        QVERIFY(finished(model));
        QCOMPARE(model.statusMessage(), u"Schedule applied 'Second'."_s);
        QCOMPARE(model.lastScheduleApplied(), u"Second"_s);
    }
};

QTEST_GUILESS_MAIN(DockViewModelTest)
#include "tst_dockviewmodel.moc"
