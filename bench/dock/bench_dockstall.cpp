// SPDX-License-Identifier: MIT
// The interface thread's longest pause while the Dock is read, while a configuration is applied, while
// a preset or a profile is applied with its backup, while a backup is taken or restored, while a
// profile or a schedule is changed and saved, and while a long-used install's lists are read again as
// their screens appear, seen by a 1 ms timer on that thread. Anything under 8 ms keeps
// animations smooth. Two baselines help read the figures: the timer alone, and thirteen `defaults` runs
// started by an outside shell, which compete for the processor exactly as the reads do but without any of
// Berthwise's code.
#include "BenchDock.h"
#include "RunTask.h"
#include "TestHome.h"
#include "dock/DockService.h"
#include "state/BackupLibrary.h"
#include "state/ProfileLibrary.h"
#include "state/ScheduleLibrary.h"
#include "stores/PresetService.h"
#include "stores/ProfileService.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

constexpr int rounds = 25;

// Runs the work while a 1 ms timer ticks, and returns the longest gap between two ticks in ms.
double longestStall(const std::function<void()>& work) {
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    clock.start();
    ticker.start();
    work();
    longest = std::max(longest, clock.nsecsElapsed() - last);
    ticker.stop();
    return double(longest) / 1e6;
}

QList<double> stalls(int count, const std::function<void(int)>& work) {
    QList<double> result;
    for (int i = 0; i < count; ++i)
        result.append(longestStall([&work, i] { work(i); }));
    return result;
}

// Ten thousand backups, a thousand profiles and a thousand schedules, as years of use leave them.
void seedLongUse(const ProfileService& profiles, const ScheduleStore& schedules, const QString& backupsFolder,
                 const DockProfile& model) {
    QList<DockProfile> manyProfiles;
    QList<DockSchedule> manySchedules;
    for (int i = 0; i < 1000; ++i) {
        DockProfile profile = model;
        profile.id = QUuid::createUuid();
        profile.name = u"Project %1"_s.arg(i);
        profile.createdAt = model.createdAt.addSecs(-i);
        manyProfiles.append(profile);
        DockSchedule schedule;
        schedule.profileID = profile.id;
        schedule.hour = i % 24;
        schedule.days = {Weekday::monday, Weekday::friday};
        manySchedules.append(schedule);
    }
    profiles.saveProfiles(manyProfiles);
    schedules.saveSchedules(manySchedules);
    QDir().mkpath(backupsFolder);
    const QDateTime first(QDate(2020, 1, 1), QTime(9, 0), Qt::UTC);
    for (int i = 0; i < 10'000; ++i) {
        QFile backup(backupsFolder + u"/com.apple.dock.backup."_s +
                     first.addSecs(qint64(i) * 43'200).toString(u"yyyyMMdd-HHmmss"_s) + u".plist"_s);
        if (backup.open(QIODevice::WriteOnly))
            backup.write("<plist version=\"1.0\"><dict/></plist>\n");
    }
}

void report(const char* what, const QList<double>& measured) {
    std::printf("%-28s median %6.2f ms, worst %6.2f ms over %lld runs\n", what, median(measured),
                *std::max_element(measured.begin(), measured.end()), qlonglong(measured.size()));
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    TestHome home;
    const DockService dock{ShellService(home.platform())};
    runTask(dock.applyConfiguration(usedDock()));
    runTask(dock.readConfiguration());

    QString outsideBurst = u"for key in"_s;
    for (const QString& key : DockSetting::allKeys())
        outsideBurst += u' ' + key;
    outsideBurst += u"; do defaults read com.apple.dock $key >/dev/null 2>&1 & done; wait"_s;

    const QList<double> idle = stalls(rounds, [](int) {
        QEventLoop loop;
        QTimer::singleShot(25, &loop, &QEventLoop::quit);
        loop.exec();
    });
    const QList<double> outside = stalls(rounds, [&dock, &outsideBurst](int) {
        runTask(dock.shell().run(u"/bin/sh"_s, {u"-c"_s, outsideBurst}));
    });
    const QList<double> reading = stalls(rounds, [&dock](int) { runTask(dock.readConfiguration()); });
    const QList<double> applying = stalls(rounds, [&dock](int i) {
        CapturedDockConfiguration configuration = usedDock();
        configuration.dockSize += i;
        runTask(dock.applyConfiguration(configuration));
    });
    const PresetService presets(dock, BackupService(dock.shell()));
    const QList<DockPreset>& catalogue = DockPreset::builtInPresets();
    const QList<double> presetting = stalls(rounds, [&presets, &catalogue](int i) {
        runTask(presets.applyPreset(catalogue.at(i % catalogue.size())));
    });
    const BackupService backups(dock.shell());
    const ProfileService profiles(dock, backups, home.platform().profilesFile());
    DockProfile profile;
    static_cast<DockConfiguration&>(profile) = usedDock();
    profile.name = u"Desk"_s;
    profile.createdAt = QDateTime::currentDateTimeUtc();
    const QList<double> profiling =
        stalls(rounds, [&profiles, &profile](int) { runTask(profiles.applyProfile(profile)); });
    const QList<double> backingUp =
        stalls(rounds, [&backups](int) { (void)runTask(backups.createBackup()); });
    const QString backup = backups.listBackups().first();
    const QList<double> restoring =
        stalls(rounds, [&backups, &backup](int) { runTask(backups.restoreBackup(backup)); });

    // A save waited for here is what the libraries spare the interface thread.
    const QList<DockProfile> saved{profile};
    const QList<double> savingHere =
        stalls(rounds, [&profiles, &saved](int) { profiles.saveProfiles(saved); });
    ProfileLibrary library(profiles);
    runTask(library.capture(u"Desk"_s, u"star.fill"_s));
    const QUuid captured = library.model()->profiles().first().id;
    const QList<double> renaming = stalls(rounds, [&library, &captured](int i) {
        runTask(library.rename(captured, u"Desk "_s + QString::number(i)));
    });
    ScheduleLibrary schedules(ScheduleStore(home.platform().applicationSupportFolder), *library.model());
    DockSchedule schedule;
    schedule.profileID = captured;
    (void)runTask(schedules.add(schedule));
    const QList<double> switching = stalls(rounds, [&schedules, &schedule](int i) {
        const auto change = [i](DockSchedule& edited) { edited.isEnabled = i % 2 == 0; };
        (void)runTask(schedules.edit(schedule.id, change));
    });

    const ScheduleStore scheduleStore(home.platform().applicationSupportFolder);
    seedLongUse(profiles, scheduleStore, home.platform().backupsFolder(), profile);
    // What each screen's appearance used to cost: the file read on the interface thread.
    const QList<double> readingHere = stalls(rounds, [&profiles](int) { (void)profiles.loadProfiles(); });
    const QList<double> reloadingProfiles = stalls(rounds, [&library](int) { runTask(library.reload()); });
    const QList<double> reloadingSchedules =
        stalls(rounds, [&schedules](int) { runTask(schedules.reload()); });
    BackupLibrary backupLibrary(backups);
    const QList<double> reloadingBackups =
        stalls(rounds, [&backupLibrary](int) { runTask(backupLibrary.reload()); });

    std::printf("longest pause of the interface thread (target < 8 ms)\n");
    report("timer alone", idle);
    report("13 reads by an outside shell", outside);
    report("readConfiguration", reading);
    report("applyConfiguration", applying);
    report("applyPreset", presetting);
    report("applyProfile", profiling);
    report("createBackup", backingUp);
    report("restoreBackup", restoring);
    report("a profile save waited for", savingHere);
    report("renaming a profile", renaming);
    report("switching a schedule", switching);
    report("1,000 profiles read here", readingHere);
    report("reloading 1,000 profiles", reloadingProfiles);
    report("reloading 1,000 schedules", reloadingSchedules);
    report("reloading 10,000 backups", reloadingBackups);
    return 0;
}
