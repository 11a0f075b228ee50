// SPDX-License-Identifier: MIT
#pragma once

#include "BackupLibrary.h"
#include "DockSettings.h"
#include "OperationRunner.h"
#include "PresetListModel.h"
#include "ProfileLibrary.h"
#include "ScheduleLibrary.h"
#include "ScheduleRunner.h"
#include "dock/DockService.h"
#include "platform/Platform.h"
#include "stores/PresetService.h"

#include <QCoro/QCoroTask>
#include <QDateTime>
#include <QUrl>

// The one observable application state: the Dock's settings, the lists the screens show, and every
// user operation with its outcome in the status line. It joins the parts that do the work (the
// operation runner, the settings, the preset list, the profile, schedule and backup libraries, and
// the schedule runner) and reports what they do.
//
// Every operation QML and the menu call is named for the operation it starts, starts it at once and
// reports its outcome itself; none returns anything. Rows are named by the identity their model
// gives them (its "presetId", "profileId", "scheduleId" or "path" role). An operation on a profile
// or schedule that is no longer listed reports that in the status line.
//
// It lives for the whole process. Operations still running when it is destroyed would resume into a
// destroyed object, so whoever destroys it early (a test) lets them end first.
class DockViewModel : public DockSettings {
    Q_OBJECT
    Q_PROPERTY(QString statusMessage READ statusMessage NOTIFY statusMessageChanged)
    Q_PROPERTY(bool isWorking READ isWorking NOTIFY isWorkingChanged)
    // Empty while there is no error; the window's alert clears it.
    Q_PROPERTY(QString lastError READ lastError WRITE setLastError NOTIFY lastErrorChanged)
    Q_PROPERTY(QString lastScheduleApplied READ lastScheduleApplied NOTIFY lastScheduleAppliedChanged)
    // The built-in presets, in catalogue order.
    Q_PROPERTY(PresetListModel* presets READ presets CONSTANT)
    // The saved profiles, newest first.
    Q_PROPERTY(ProfileListModel* profiles READ profiles CONSTANT)
    // The weekly schedules, in their stored order.
    Q_PROPERTY(ScheduleListModel* schedules READ schedules CONSTANT)
    // The backup files, newest first; listed when the Backup & Restore screen asks.
    Q_PROPERTY(BackupListModel* backups READ backups CONSTANT)

public:
    using Clock = ScheduleRunner::Clock;
    using Action = OperationRunner::Action;

    // The app reads the Dock only once its window is on screen: thirteen programs starting at once
    // would otherwise compete with the window's first frame.
    enum class DockReading { atConstruction, whenAsked };

    // Loads profiles and schedules, starts reading the live Dock (unless `reading` leaves that to
    // readDock()) and starts the schedule runner. `clock` gives the local "now" the runner matches
    // schedules against.
    explicit DockViewModel(Platform platform, Clock clock = &QDateTime::currentDateTime,
                           QObject* parent = nullptr, DockReading reading = DockReading::atConstruction);
    ~DockViewModel() override;

    // Reads the live Dock into the settings; until it ends they keep their initial values.
    void readDock();

    [[nodiscard]] const QString& statusMessage() const { return m_runner.statusMessage(); }
    [[nodiscard]] bool isWorking() const { return m_runner.isWorking(); }
    [[nodiscard]] const QString& lastError() const { return m_runner.lastError(); }
    void setLastError(const QString& value) { m_runner.setLastError(value); }
    [[nodiscard]] const QString& lastScheduleApplied() const { return m_lastScheduleApplied; }
    [[nodiscard]] PresetListModel* presets() { return &m_presets; }
    [[nodiscard]] ProfileListModel* profiles() { return m_profiles.model(); }
    [[nodiscard]] ScheduleListModel* schedules() { return m_schedules.model(); }
    [[nodiscard]] BackupListModel* backups() { return m_backups.model(); }

    // Services; they hold no state, so these instances behave like the ones inside the others.
    [[nodiscard]] const BackupService& backupService() const { return m_backups.service(); }
    [[nodiscard]] const ProfileService& profileService() const { return m_profiles.service(); }

    // Shows the busy state and clears the error at once, runs the action, then reports its outcome:
    // the success message, or the error's description and "Something went wrong.".
    void perform(QString successMessage, Action action);

    // One check of the schedule runner: applies the first due schedule's profile, if any.
    void checkSchedules() { m_scheduleRunner.check(); }

    // Tiles. `type` "standard" or "small"; `section` "apps" or "others".
    Q_INVOKABLE void addSpacer(const QString& type, const QString& section);
    // 1 applications, 2 documents, 4 servers.
    Q_INVOKABLE void addRecentStack(int type);

    // Applies the preset and shows its settings, with "'<name>' applied.".
    Q_INVOKABLE void applyPreset(const QString& presetId);

    // A blank name becomes "Untitled Profile".
    Q_INVOKABLE void captureProfile(const QString& name, const QString& icon);
    // Applies the profile and shows its settings.
    Q_INVOKABLE void applyProfile(const QString& profileId);
    // A blank name changes nothing and reports nothing.
    Q_INVOKABLE void renameProfile(const QString& profileId, const QString& newName);
    Q_INVOKABLE void deleteProfile(const QString& profileId);
    // A location that is not a local file (a dialog that yielded none) does nothing.
    Q_INVOKABLE void exportProfile(const QString& profileId, const QUrl& destination);
    Q_INVOKABLE void importProfile(const QUrl& source);
    // The Profiles screen shows the file as it is each time it appears.
    Q_INVOKABLE void reloadProfiles();

    // Schedules change at once, with no status message; a change that cannot be saved stays listed
    // and its failure shows in the status line. `days` holds 1 (Sunday) to 7 (Saturday); a schedule
    // needs a profile, which need not be listed.
    Q_INVOKABLE void addSchedule(const QString& profileId, int hour, int minute, const QList<int>& days,
                                 bool isEnabled);
    // The editor's save: an empty `profileId` keeps the schedule's profile, and the schedule may fire
    // again in its next minute even if it fired in this one.
    Q_INVOKABLE void updateSchedule(const QString& scheduleId, const QString& profileId, int hour, int minute,
                                    const QList<int>& days, bool isEnabled);
    // The card's switch: changes nothing else.
    Q_INVOKABLE void setScheduleEnabled(const QString& scheduleId, bool isEnabled);
    Q_INVOKABLE void deleteSchedule(const QString& scheduleId);
    // The Schedules screen shows the file as it is each time it appears.
    Q_INVOKABLE void reloadSchedules();

    // With "Backup created successfully."; the new backup is listed first.
    Q_INVOKABLE void createBackup();
    // With "Dock restored from backup.". Backups are named by their model's "path".
    Q_INVOKABLE void restoreBackup(const QString& path);
    // With "Dock reset to Apple defaults.".
    Q_INVOKABLE void resetDock();
    // Neither reports anything: a folder that cannot be listed shows as no backups, and a backup that
    // cannot be deleted stays listed.
    Q_INVOKABLE void reloadBackups();
    Q_INVOKABLE void deleteBackup(const QString& path);

Q_SIGNALS:
    void statusMessageChanged();
    void isWorkingChanged();
    void lastErrorChanged();
    void lastScheduleAppliedChanged();

private:
    [[nodiscard]] QCoro::Task<> loadCurrentSettings();
    [[nodiscard]] QCoro::Task<> applyPresetAndShow(DockPreset preset);
    [[nodiscard]] QCoro::Task<> applyProfileAndShow(DockProfile profile);
    // Applies the due schedule's profile, and marks the schedule applied in this minute.
    void applySchedule(const ScheduleRunner::Due& due);
    [[nodiscard]] QCoro::Task<> applyScheduledProfile(DockProfile profile, QString name);
    [[nodiscard]] std::optional<DockProfile> listedProfile(const QString& profileId);
    // Waits for a schedule edit's save; `alerts` says whether a failure is reported.
    [[nodiscard]] QCoro::Task<> finishScheduleEdit(QCoro::Task<ScheduleLibrary::Outcome> edit,
                                                   bool alerts = true);
    void setLastScheduleApplied(const QString& value);

    OperationRunner m_runner;
    DockService m_dockService;
    PresetService m_presetService;
    ProfileLibrary m_profiles;
    ScheduleLibrary m_schedules;
    BackupLibrary m_backups;
    PresetListModel m_presets;
    QString m_lastScheduleApplied;
    // Last, so that it stops before anything it reaches goes away.
    ScheduleRunner m_scheduleRunner;
};
