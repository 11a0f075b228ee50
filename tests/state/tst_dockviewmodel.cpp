// SPDX-License-Identifier: MIT
#include "TestHome.h"
#include "state/DockViewModel.h"
#include "stores/ScheduleStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
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

QCoro::Task<> succeed() {
    co_return;
}

QString idText(const QUuid& id) {
    return id.toString(QUuid::WithoutBraces);
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
        writeDock({u"tilesize"_s, u"-int"_s, u"33"_s});
        writeDock({u"show-recents"_s, u"-bool"_s, showRecents ? u"true"_s : u"false"_s});
        writeDock({u"orientation"_s, u"-string"_s, u"left"_s});
        writeDock({u"minimize-to-application"_s, u"-bool"_s, u"false"_s});

        DockViewModel model(platform());
        const DockConfiguration initial{
            .magnificationSize = 96, .showRecentApps = false, .minimizeToApplication = true};
        QCOMPARE(published(model), initial);
        QVERIFY(model.statusMessage() == u"Ready"_s && !model.isWorking() &&
                model.backups()->paths().isEmpty());

        QVERIFY(dockWasRead(model));
        const DockConfiguration dock{.dockSize = 33,
                                     .magnificationSize = 77,
                                     .showRecentApps = showRecents,
                                     .orientation = DockPosition::left};
        QCOMPARE(published(model), dock);
    }

    void settingsAndTilesReachTheDock_data() {
        QTest::addColumn<Call>("call");
        QTest::addColumn<QString>("scriptPart");
        QTest::addColumn<QString>("status");
        QTest::newRow("size truncated") << Call([](DockViewModel& m) {
            m.setDockSize(63.9);
            m.applyDockSize();
        }) << u"tilesize -int 63\n"_s << u"Dock updated successfully."_s;
        QTest::newRow("small spacer, right side")
            << Call([](DockViewModel& m) { m.addSpacer(u"small"_s, u"others"_s); }) << u"small-spacer-tile"_s
            << u"Small spacer added to Right Side."_s;
        QTest::newRow("servers stack") << Call([](DockViewModel& m) { m.addRecentStack(4); })
                                       << u"persistent-others"_s << u"Recent Servers stack added."_s;
    }

    void settingsAndTilesReachTheDock() {
        QFETCH(Call, call);
        QFETCH(QString, scriptPart);
        DockViewModel model(m_home->recordingPlatform());
        QVERIFY(dockWasRead(model));
        call(model);
        QVERIFY(finished(model));
        QTEST(model.statusMessage(), "status");
        const QStringList scripts = m_home->recordedScripts();
        QCOMPARE(scripts.size(), 1);
        QVERIFY2(scripts.first().contains(scriptPart), qPrintable(scripts.first()));
    }

    // The quick operation ends first, so a busy state that ended with it would show there.
    void performStaysBusyUntilTheLastEndsAndReportsFailure() {
        DockViewModel model(failingShell());
        QVERIFY(dockWasRead(model));
        QList<bool> workingAtEachEnd;
        connect(&model, &DockViewModel::statusMessageChanged, this,
                [&] { workingAtEachEnd.append(model.isWorking()); });
        model.perform(u"Quick."_s, succeed);
        model.applyAutoHide(true);
        QVERIFY(model.isWorking());
        QVERIFY(finished(model));
        QCOMPARE(workingAtEachEnd, QList<bool>({true, true}));
        QVERIFY(model.isAutoHideEnabled());
        QCOMPARE(model.statusMessage(), somethingWentWrong);
        QVERIFY2(model.lastError().contains(u"/nonexistent/zsh"_s), qPrintable(model.lastError()));

        model.perform(u"Done."_s, succeed);
        QVERIFY(model.isWorking() && model.lastError().isEmpty());
        QVERIFY(finished(model));
        QCOMPARE(model.statusMessage(), u"Done."_s);
    }

    void profileChangesArePublishedOnlyOnceSaved_data() {
        QTest::addColumn<Call>("call");
        QTest::addColumn<bool>("saveFails");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QStringList>("names");
        const Call capture([](DockViewModel& m) { m.captureProfile(u" \n\t "_s, u"star"_s); });
        const auto first = [](DockViewModel& m) { return m.profiles()->profiles().first().id; };
        const Call exportAndImportTwice([first](DockViewModel& m) {
            const QUrl file = QUrl::fromLocalFile(QDir::homePath() + u"/home.json"_s);
            m.exportProfile(first(m).toString(QUuid::WithBraces).toUpper(), file);
            m.importProfile(file);
            m.importProfile(file);
        });
        const auto rename = [first](const QString& name) {
            return Call([first, name](DockViewModel& m) { m.renameProfile(idText(first(m)), name); });
        };
        const Call remove([first](DockViewModel& m) { m.deleteProfile(idText(first(m))); });
        const QStringList home{u"Home"_s};
        const auto gone = u"That profile no longer exists."_s;
        QTest::newRow("blank capture") << capture << false << u"Profile 'Untitled Profile' captured."_s
                                       << QStringList{u"Untitled Profile"_s, u"Home"_s};
        QTest::newRow("imported twice") << exportAndImportTwice << false << u"Profile imported."_s
                                        << QStringList{u"Home"_s, u"Home"_s, u"Home"_s};
        QTest::newRow("rename, trimmed")
            << rename(u"  Office \n"_s) << false << u"Profile renamed."_s << QStringList{u"Office"_s};
        QTest::newRow("blank rename does nothing") << rename(u" \t\n"_s) << false << u"Ready"_s << home;
        QTest::newRow("rename of a profile no longer listed")
            << Call([](DockViewModel& m) { m.renameProfile(idText(QUuid::createUuid()), u"Back"_s); })
            << false << gone << home;
        // Started while the profile was still listed: nothing is left to rename, which is no failure.
        QTest::newRow("rename of a profile deleted meanwhile") << Call([first](DockViewModel& m) {
            const QString id = idText(first(m));
            m.deleteProfile(id);
            m.renameProfile(id, u"Back"_s);
        }) << false << u"Profile renamed."_s << QStringList{};
        QTest::newRow("delete") << remove << false << u"Profile deleted."_s << QStringList{};
        QTest::newRow("apply of a profile no longer listed")
            << Call([](DockViewModel& m) { m.applyProfile(idText(QUuid::createUuid())); }) << false << gone
            << home;
        QTest::newRow("capture, save fails") << capture << true << somethingWentWrong << home;
        QTest::newRow("delete, save fails") << remove << true << somethingWentWrong << home;
    }

    void profileChangesArePublishedOnlyOnceSaved() {
        QFETCH(Call, call);
        QFETCH(bool, saveFails);
        QFETCH(QString, status);
        const DockProfile stored = profileNamed(u"Home"_s);
        storeProfilesAndSchedules({stored}, {});
        DockViewModel model(platform());
        QVERIFY(dockWasRead(model));
        if (saveFails)
            breakStoreFolder(platform());
        QSignalSpy profileChanges(model.profiles(), &RecordListModel::recordsChanged);
        call(model);
        QVERIFY(finished(model));
        QCOMPARE(model.statusMessage(), status);
        const bool failed = saveFails || status.startsWith(u"That"_s);
        QCOMPARE(model.lastError().isEmpty(), !failed);

        const QList<DockProfile> profiles = model.profiles()->profiles();
        QStringList names;
        QSet<QUuid> ids;
        for (const DockProfile& profile : profiles) {
            names.append(profile.name);
            ids.insert(profile.id);
        }
        QTEST(names, "names");
        QCOMPARE(ids.size(), profiles.size());
        // New profiles go in front; the stored one keeps its place and its id through a rename.
        QVERIFY(profiles.isEmpty() || profiles.last().id == stored.id);
        if (failed) {
            QCOMPARE(profileChanges.size(), 0);
        } else {
            model.reloadProfiles();
            QCOMPARE(model.profiles()->profiles(), profiles);
        }
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
        const QString older = folder + u"/com.apple.dock.backup.20200101-000000.plist"_s;
        QVERIFY(QDir().mkpath(folder) && QFile(older).open(QIODevice::WriteOnly));
        if (!listable)
            QFile::setPermissions(folder, QFile::WriteOwner | QFile::ExeOwner);
        DockViewModel model(platform());
        QVERIFY(dockWasRead(model));
        model.createBackup();
        QVERIFY(finished(model));
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(model.statusMessage(), u"Backup created successfully."_s);
        const QStringList backups = model.backups()->paths();
        QCOMPARE(backups.size(), listable ? 2 : 1);
        QVERIFY(backups.first() != older && QFileInfo::exists(backups.first()));
    }

    // The Backup & Restore screen says nothing about listing or deleting: the list shows the folder.
    void backupsAreListedAndDeletedWithoutAlerts() {
        const QString folder = platform().backupsFolder();
        const QString backup = folder + u"/com.apple.dock.backup.20200101-000000.plist"_s;
        QVERIFY(QDir().mkpath(folder) && QFile(backup).open(QIODevice::WriteOnly));
        DockViewModel model(platform());
        QVERIFY(dockWasRead(model));
        model.reloadBackups();
        QCOMPARE(model.backups()->paths(), QStringList{backup});

        model.deleteBackup(folder + u"/gone.plist"_s);
        QCOMPARE(model.backups()->paths(), QStringList{backup});
        // A file where the folder belongs cannot be listed, whoever runs the test.
        QVERIFY(QDir(folder).removeRecursively() && QFile(folder).open(QIODevice::WriteOnly));
        model.reloadBackups();
        QVERIFY(model.backups()->paths().isEmpty());
        QVERIFY(model.lastError().isEmpty() && model.statusMessage() == u"Ready"_s);
    }

    // The restarted Dock writes its preferences again after a reset, so there is something to back
    // up without restarting Berthwise; the restore puts those exact bytes back.
    void resetBackupAndRestoreAgainstTheSimulatedDock() {
        const QString live = platform().dockPreferencesFile;
        const auto bytes = [](const QString& path) {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        DockViewModel model(platform());
        QVERIFY(dockWasRead(model));
        model.resetDock();
        QVERIFY(finished(model));
        QCOMPARE(model.statusMessage(), u"Dock reset to Apple defaults."_s);

        model.createBackup();
        QVERIFY(finished(model));
        QCOMPARE(model.statusMessage(), u"Backup created successfully."_s);
        const QString backup = model.backups()->paths().value(0);
        const QByteArray afterReset = bytes(live);
        QVERIFY(!afterReset.isEmpty());
        QCOMPARE(bytes(backup), afterReset);

        writeDock({u"tilesize"_s, u"-int"_s, u"55"_s});
        QVERIFY(bytes(live) != afterReset);
        model.restoreBackup(backup);
        QVERIFY(finished(model));
        QCOMPARE(model.statusMessage(), u"Dock restored from backup."_s);
        QCOMPARE(bytes(live), afterReset);
    }

    void presetValuesArePublishedOnlyAfterTheDockChanged_data() {
        QTest::addColumn<bool>("shellStarts");
        QTest::newRow("applied") << true;
        QTest::newRow("failed") << false;
    }

    void presetValuesArePublishedOnlyAfterTheDockChanged() {
        QFETCH(bool, shellStarts);
        DockViewModel model(shellStarts ? platform() : failingShell());
        QVERIFY(dockWasRead(model));
        const DockConfiguration before = published(model);
        const int restartsBefore = m_home->dockRestarts();
        int restartsWhenPublished = -1;
        connect(&model, &DockViewModel::isAutoHideEnabledChanged, this,
                [&] { restartsWhenPublished = m_home->dockRestarts(); });
        model.applyPreset(u"00000000-0000-0000-0000-000000000003"_s);
        QCOMPARE(published(model), before);
        QVERIFY(finished(model));
        QCOMPARE(model.statusMessage(), shellStarts ? u"'Presentation Mode' applied."_s : somethingWentWrong);
        QCOMPARE(published(model),
                 shellStarts ? static_cast<const DockConfiguration&>(DockPreset::builtInPresets().at(2))
                             : before);
        QCOMPARE(restartsWhenPublished > restartsBefore, shellStarts);
    }

    void scheduleChangesStayWhenTheSaveFails_data() {
        QTest::addColumn<Call>("call");
        QTest::addColumn<QList<bool>>("enabled");
        const auto first = [](DockViewModel& m) { return m.schedules()->schedules().first(); };
        QTest::newRow("add") << Call([first](DockViewModel& m) {
            m.addSchedule(idText(first(m).profileID), 7, 30, {1, 7}, true);
        }) << QList<bool>{true, true};
        QTest::newRow("switch off") << Call([first](DockViewModel& m) {
            m.setScheduleEnabled(idText(first(m).id), false);
        }) << QList<bool>{false};
        QTest::newRow("delete") << Call([first](DockViewModel& m) { m.deleteSchedule(idText(first(m).id)); })
                                << QList<bool>{};
    }

    // The failure shows in red in the status line, which must not keep an earlier success.
    void scheduleChangesStayWhenTheSaveFails() {
        QFETCH(Call, call);
        const DockProfile profile = profileNamed(u"Any"_s);
        storeProfilesAndSchedules({profile}, {mondayNineFor(profile)});
        DockViewModel model(platform());
        QVERIFY(dockWasRead(model));
        model.perform(u"Done."_s, succeed);
        QVERIFY(finished(model));
        breakStoreFolder(platform());
        call(model);
        QList<bool> enabled;
        for (const DockSchedule& schedule : model.schedules()->schedules())
            enabled.append(schedule.isEnabled);
        QTEST(enabled, "enabled");
        QVERIFY(!model.lastError().isEmpty());
        QCOMPARE(model.statusMessage(), model.lastError());
        QVERIFY(!model.isWorking());
    }

    void scheduleEditsKeepTheirPlace() {
        const DockProfile profile = profileNamed(u"Any"_s);
        DockSchedule first = mondayNineFor(profile);
        first.lastAppliedDate = at(monday, 9, 0, 10);
        const DockSchedule second = mondayNineFor(profile);
        storeProfilesAndSchedules({profile}, {first, second});
        DockViewModel model(platform());
        QVERIFY(dockWasRead(model));
        const auto stored = [&] { return model.schedules()->schedules().first(); };

        model.setScheduleEnabled(idText(first.id), false);
        QVERIFY(!stored().isEnabled && stored().lastAppliedDate == first.lastAppliedDate);
        // The editor's save with no profile chosen keeps the old one, and lets the schedule fire
        // again in its minute.
        model.updateSchedule(idText(first.id), QString(), 7, 45, {1, 7}, true);
        const DockSchedule edited = stored();
        QVERIFY(edited.id == first.id && edited.profileID == profile.id && edited.isEnabled);
        QVERIFY(edited.hour == 7 && edited.minute == 45 && !edited.lastAppliedDate);
        QCOMPARE(edited.days, (std::set{Weekday::sunday, Weekday::saturday}));
        QCOMPARE(ScheduleStore(platform().applicationSupportFolder).loadSchedules().first(), edited);

        model.deleteSchedule(idText(QUuid::createUuid()));
        QCOMPARE(model.lastError(), u"That schedule no longer exists."_s);
        QCOMPARE(model.statusMessage(), model.lastError());
        QCOMPARE(model.schedules()->count(), 2);
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
        QTest::newRow("applied earlier this minute")
            << mondays << true << true << at(monday, 9, 0, 10) << at(monday, 9, 0, 40) << false;
        QTest::newRow("applied a week before")
            << mondays << true << true << at(monday.addDays(-7), 9, 0, 10) << at(monday, 9, 0, 5) << true;
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
            QCOMPARE(model.schedules()->schedules().first().lastAppliedDate, schedule.lastAppliedDate);
            QVERIFY(model.statusMessage() == u"Ready"_s && model.lastError().isEmpty());
            QVERIFY(m_home->recordedScripts().isEmpty());
            return;
        }
        QCOMPARE(model.statusMessage(), u"Schedule applied 'Evening'."_s);
        QCOMPARE(model.schedules()->schedules().first().lastAppliedDate,
                 std::optional<ReferenceSeconds>(now));
    }

    // Two schedules due in one minute: one per tick, in list order, and neither again after a restart
    // within that minute.
    void runnerAppliesOncePerMinuteAcrossRestarts() {
        const DockProfile first = profileNamed(u"First"_s);
        const DockProfile second = profileNamed(u"Second"_s);
        storeProfilesAndSchedules({first, second}, {mondayNineFor(first), mondayNineFor(second)});
        QDateTime now = at(monday, 9, 0, 10);
        const auto clock = [&now] { return now; };
        {
            DockViewModel model(platform(), clock);
            QVERIFY(dockWasRead(model));
            model.checkSchedules();
            QVERIFY(finished(model));
            QCOMPARE(model.statusMessage(), u"Schedule applied 'First'."_s);
            QCOMPARE(model.lastScheduleApplied(), u"First"_s);
            QCOMPARE(published(model), static_cast<const DockConfiguration&>(first));
            QVERIFY(!model.schedules()->schedules().at(1).lastAppliedDate);
            now = at(monday, 9, 0, 40);
            model.checkSchedules();
            QVERIFY(finished(model));
            QCOMPARE(model.lastScheduleApplied(), u"Second"_s);
            model.checkSchedules();
            QVERIFY(!model.isWorking());
        }
        DockViewModel restarted(platform(), clock);
        QVERIFY(dockWasRead(restarted));
        now = at(monday, 9, 0, 50);
        restarted.checkSchedules();
        QVERIFY(!restarted.isWorking());
    }
};

QTEST_GUILESS_MAIN(DockViewModelTest)
#include "tst_dockviewmodel.moc"
