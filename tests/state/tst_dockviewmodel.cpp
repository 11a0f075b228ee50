// SPDX-License-Identifier: MIT
#include "Columns.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "state/DockViewModel.h"
#include "stores/DiskQueue.h"

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
    TestFiles::write(platform.applicationSupportFolder, {});
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

private Q_SLOTS:
    void init() {
        m_home = std::make_unique<TestHome>();
        QCOMPARE(m_home->dock(u"write"_s, {u"largesize"_s, u"-int"_s, u"77"_s}).exitCode, 0);
    }

    void cleanup() { m_home.reset(); }

    void profileChangesArePublishedOnlyOnceSaved_data() {
        columns<Call, bool, QString, QStringList>("call", "saveFails", "status", "names");
        const Call capture([](DockViewModel& m) { m.captureProfile(u" \n\t "_s, u"star"_s); });
        const auto first = [](DockViewModel& m) { return idText(m.profiles()->profiles().first().id); };
        const Call remove([first](DockViewModel& m) { m.deleteProfile(first(m)); });
        const auto gone = u"That profile no longer exists."_s;
        const QStringList home{u"Home"_s};
        QTest::newRow("blank capture") << capture << false << u"Profile 'Untitled Profile' captured."_s
                                       << QStringList{u"Untitled Profile"_s, u"Home"_s};
        QTest::newRow("rename, trimmed")
            << Call([first](DockViewModel& m) { m.renameProfile(first(m), u"  Office \n"_s); }) << false
            << u"Profile renamed."_s << QStringList{u"Office"_s};
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
        m_home->store({stored});
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
        for (const DockProfile& profile : profiles)
            names.append(profile.name);
        QTEST(names, "names");
        // New profiles go in front; the stored one keeps its place and its id through a rename.
        QVERIFY(profiles.isEmpty() || profiles.last().id == stored.id);
        if (failed) {
            QCOMPARE(profileChanges.size(), 0);
        } else {
            model.reloadProfiles();
            QTRY_COMPARE(model.profiles()->profiles(), profiles);
        }
    }

    // The Backup & Restore screen says nothing about listing or deleting: the list shows the folder,
    // and a new backup is listed even where the folder cannot be.
    void backupsAreListedAndDeletedWithoutAlerts() {
        const QString folder = platform().backupsFolder();
        const QString backup = folder + u"/com.apple.dock.backup.20200101-000000.plist"_s;
        TestFiles::write(backup, {});
        DockViewModel model(platform());
        QVERIFY(dockWasRead(model));
        model.reloadBackups();
        QTRY_COMPARE(model.backups()->paths(), QStringList{backup});
        model.deleteBackup(folder + u"/gone.plist"_s);
        QTRY_COMPARE(model.backups()->paths(), QStringList{backup});

        // Root lists every folder, so there the listing cannot be made to fail this way.
        if (::geteuid() != 0) {
            QFile::setPermissions(folder, QFile::WriteOwner | QFile::ExeOwner);
            model.createBackup();
            QVERIFY(finished(model));
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QCOMPARE(model.statusMessage(), u"Backup created successfully."_s);
            const QStringList backups = model.backups()->paths();
            QVERIFY(backups.size() == 1 && backups.first() != backup && QFileInfo::exists(backups.first()));
        }
        const QString status = model.statusMessage();
        // A file where the folder belongs cannot be listed, whoever runs the test.
        QVERIFY(QDir(folder).removeRecursively());
        TestFiles::write(folder, {});
        model.reloadBackups();
        QTRY_VERIFY(model.backups()->paths().isEmpty());
        QVERIFY(model.lastError().isEmpty() && model.statusMessage() == status);
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
        // Presentation Mode hides the Dock and makes it smaller; the settings table's test holds the rest.
        const auto shown = [&model] { return std::pair(model.isAutoHideEnabled(), model.dockSize()); };
        const auto before = shown();
        const int restartsBefore = m_home->dockRestarts();
        int restartsWhenPublished = -1;
        connect(&model, &DockViewModel::isAutoHideEnabledChanged, this,
                [&] { restartsWhenPublished = m_home->dockRestarts(); });
        model.applyPreset(u"00000000-0000-0000-0000-000000000003"_s);
        QCOMPARE(shown(), before);
        QVERIFY(finished(model));
        QCOMPARE(model.statusMessage(), shellStarts ? u"'Presentation Mode' applied."_s : somethingWentWrong);
        QCOMPARE(shown(), shellStarts ? std::pair(true, 36.0) : before);
        QCOMPARE(restartsWhenPublished > restartsBefore, shellStarts);
    }

    void scheduleChangesStayWhenTheyFail_data() {
        columns<Call, QList<bool>, QString>("call", "enabled", "error");
        const auto first = [](DockViewModel& m) { return m.schedules()->schedules().first(); };
        const auto saveFailure = u"Couldn't create the folder"_s;
        QTest::newRow("add, save fails") << Call([first](DockViewModel& m) {
            m.addSchedule(idText(first(m).profileID), 7, 30, {1, 7}, true);
        }) << QList<bool>{true, true} << saveFailure;
        QTest::newRow("delete, save fails")
            << Call([first](DockViewModel& m) { m.deleteSchedule(idText(first(m).id)); }) << QList<bool>{}
            << saveFailure;
        QTest::newRow("delete of a schedule no longer listed")
            << Call([](DockViewModel& m) { m.deleteSchedule(idText(QUuid::createUuid())); })
            << QList<bool>{true} << u"That schedule no longer exists."_s;
    }

    // The failure shows in red in the status line, which must not keep an earlier success.
    void scheduleChangesStayWhenTheyFail() {
        QFETCH(Call, call);
        QFETCH(QString, error);
        const DockProfile profile = profileNamed(u"Any"_s);
        m_home->store({profile}, {mondayNineFor(profile)});
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
        // Published at once; the failure comes once the save has been tried.
        QVERIFY(QTest::qWaitFor([&] { return !model.lastError().isEmpty(); }, patience));
        QVERIFY2(model.lastError().contains(error), qPrintable(model.lastError()));
        QCOMPARE(model.statusMessage(), model.lastError());
        QVERIFY(!model.isWorking());
    }

    // Lists are read off the interface thread each time their screen appears; an edit made while the
    // file is read is newer than what was read, and stays.
    void anEditMadeDuringAReloadStays() {
        const DockProfile profile = profileNamed(u"Any"_s);
        m_home->store({profile}, {});
        DockViewModel model(platform());
        QVERIFY(dockWasRead(model));
        model.reloadSchedules();
        model.addSchedule(idText(profile.id), 7, 30, {2}, true);
        DiskQueue::drain();
        QTest::qWait(50);
        QCOMPARE(model.schedules()->rowCount(), 1);
    }

    void runnerFindsOnlyADueSchedule_data() {
        columns<QList<int>, bool, bool, QDateTime, QDateTime, bool>("days", "enabled", "profileExists",
                                                                    "lastApplied", "now", "due");
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
        QTest::newRow("profile deleted")
            << mondays << true << false << never << at(monday, 9, 0, 10) << false;
    }

    void runnerFindsOnlyADueSchedule() {
        QFETCH(QList<int>, days);
        QFETCH(bool, enabled);
        QFETCH(bool, profileExists);
        QFETCH(QDateTime, lastApplied);
        QFETCH(QDateTime, now);
        const DockProfile profile = profileNamed(u"Evening"_s);
        DockSchedule schedule = mondayNineFor(profile);
        schedule.days.clear();
        for (int day : days)
            schedule.days.insert(*weekdayFromRawValue(day));
        schedule.isEnabled = enabled;
        if (lastApplied.isValid())
            schedule.lastAppliedDate = lastApplied;
        const QList<DockSchedule> schedules{schedule};
        const QList<DockProfile> profiles =
            profileExists ? QList<DockProfile>{profile} : QList<DockProfile>{};
        const ScheduleRunner runner(schedules, profiles, [now] { return now; });
        const auto due = runner.dueSchedule();
        QTEST(due.has_value(), "due");
        QVERIFY(!due || (due->profile == profile && due->scheduleId == schedule.id && due->now == now));
    }
};

QTEST_GUILESS_MAIN(DockViewModelTest)
#include "tst_dockviewmodel.moc"
