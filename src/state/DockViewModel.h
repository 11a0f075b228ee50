// SPDX-License-Identifier: MIT
#pragma once

#include "dock/DockService.h"
#include "platform/Platform.h"
#include "stores/BackupService.h"
#include "stores/DockPreset.h"
#include "stores/DockProfile.h"
#include "stores/DockSchedule.h"
#include "stores/PresetService.h"
#include "stores/ProfileService.h"
#include "stores/ScheduleStore.h"

#include "ScheduleRunner.h"
#include "TaskKeeper.h"

#include <QCoro/QCoroTask>
#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <QVariantList>

#include <functional>
#include <optional>

// The one observable application state: everything the window and the menu show, and every user
// operation with its outcome reported through the status line.
//
// It lives for the whole process. Operations still running when it is destroyed would resume into a
// destroyed object, so whoever destroys it early (a test) lets them end first.
class DockViewModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(double dockSize READ dockSize WRITE setDockSize NOTIFY dockSizeChanged)
    Q_PROPERTY(double magnificationSize READ magnificationSize WRITE setMagnificationSize NOTIFY
                   magnificationSizeChanged)
    Q_PROPERTY(bool isAutoHideEnabled READ isAutoHideEnabled WRITE setIsAutoHideEnabled NOTIFY
                   isAutoHideEnabledChanged)
    Q_PROPERTY(bool isMagnificationEnabled READ isMagnificationEnabled WRITE setIsMagnificationEnabled NOTIFY
                   isMagnificationEnabledChanged)
    Q_PROPERTY(bool showOnlyRunningApps READ showOnlyRunningApps WRITE setShowOnlyRunningApps NOTIFY
                   showOnlyRunningAppsChanged)
    Q_PROPERTY(bool dimHiddenApps READ dimHiddenApps WRITE setDimHiddenApps NOTIFY dimHiddenAppsChanged)
    Q_PROPERTY(bool showRunningIndicators READ showRunningIndicators WRITE setShowRunningIndicators NOTIFY
                   showRunningIndicatorsChanged)
    Q_PROPERTY(bool minimizeIntoAppIcon READ minimizeIntoAppIcon WRITE setMinimizeIntoAppIcon NOTIFY
                   minimizeIntoAppIconChanged)
    Q_PROPERTY(bool hideRecentApps READ hideRecentApps WRITE setHideRecentApps NOTIFY hideRecentAppsChanged)
    Q_PROPERTY(bool fastAutoHide READ fastAutoHide WRITE setFastAutoHide NOTIFY fastAutoHideChanged)
    // Raw values: "left", "bottom", "right".
    Q_PROPERTY(QString dockPosition READ dockPositionRawValue WRITE setDockPositionRawValue NOTIFY
                   dockPositionChanged)
    // Raw values: "genie", "scale", "suck".
    Q_PROPERTY(QString minimizeEffect READ minimizeEffectRawValue WRITE setMinimizeEffectRawValue NOTIFY
                   minimizeEffectChanged)
    Q_PROPERTY(QString statusMessage READ statusMessage NOTIFY statusMessageChanged)
    Q_PROPERTY(bool isWorking READ isWorking NOTIFY isWorkingChanged)
    // Empty while there is no error; the window's alert clears it.
    Q_PROPERTY(QString lastError READ lastError WRITE setLastError NOTIFY lastErrorChanged)
    // Absolute paths of the backup files, newest first.
    Q_PROPERTY(QStringList backups READ backups NOTIFY backupsChanged)
    // Each profile as a map: id (text without braces), name, icon, createdAt, hasPlistData and the
    // twelve settings under their configuration names (orientation and minimizeEffect as raw values).
    Q_PROPERTY(QVariantList profiles READ profileList NOTIFY profilesChanged)
    // Each schedule as a map: id, profileID, hour, minute, days (raw numbers, Sunday first),
    // isEnabled, lastAppliedDate (absent when never applied), timeString and daysSummary.
    Q_PROPERTY(QVariantList schedules READ scheduleList NOTIFY schedulesChanged)
    Q_PROPERTY(QString lastScheduleApplied READ lastScheduleApplied NOTIFY lastScheduleAppliedChanged)
    // The built-in presets as maps: id, name, description, icon and the twelve settings.
    Q_PROPERTY(QVariantList presets READ presetList CONSTANT)

public:
    using Clock = std::function<QDateTime()>;
    // Builds the operation a `perform` runs; called once, after the busy state is shown.
    using Action = std::function<QCoro::Task<>()>;

    // Loads profiles and schedules, starts reading the live Dock and starts the schedule runner.
    // `clock` gives the local "now" the runner matches schedules against.
    explicit DockViewModel(Platform platform, Clock clock = &QDateTime::currentDateTime,
                           QObject* parent = nullptr);
    ~DockViewModel() override;

    // Published state.
    [[nodiscard]] double dockSize() const { return m_dockSize; }
    void setDockSize(double value);
    [[nodiscard]] double magnificationSize() const { return m_magnificationSize; }
    void setMagnificationSize(double value);
    [[nodiscard]] bool isAutoHideEnabled() const { return m_isAutoHideEnabled; }
    void setIsAutoHideEnabled(bool value);
    [[nodiscard]] bool isMagnificationEnabled() const { return m_isMagnificationEnabled; }
    void setIsMagnificationEnabled(bool value);
    [[nodiscard]] bool showOnlyRunningApps() const { return m_showOnlyRunningApps; }
    void setShowOnlyRunningApps(bool value);
    [[nodiscard]] bool dimHiddenApps() const { return m_dimHiddenApps; }
    void setDimHiddenApps(bool value);
    [[nodiscard]] bool showRunningIndicators() const { return m_showRunningIndicators; }
    void setShowRunningIndicators(bool value);
    [[nodiscard]] bool minimizeIntoAppIcon() const { return m_minimizeIntoAppIcon; }
    void setMinimizeIntoAppIcon(bool value);
    [[nodiscard]] bool hideRecentApps() const { return m_hideRecentApps; }
    void setHideRecentApps(bool value);
    [[nodiscard]] bool fastAutoHide() const { return m_fastAutoHide; }
    void setFastAutoHide(bool value);
    [[nodiscard]] DockPosition dockPosition() const { return m_dockPosition; }
    void setDockPosition(DockPosition value);
    [[nodiscard]] QString dockPositionRawValue() const;
    void setDockPositionRawValue(const QString& raw);
    [[nodiscard]] MinimizeEffect minimizeEffect() const { return m_minimizeEffect; }
    void setMinimizeEffect(MinimizeEffect value);
    [[nodiscard]] QString minimizeEffectRawValue() const;
    void setMinimizeEffectRawValue(const QString& raw);
    [[nodiscard]] const QString& statusMessage() const { return m_statusMessage; }
    [[nodiscard]] bool isWorking() const { return m_isWorking; }
    [[nodiscard]] const QString& lastError() const { return m_lastError; }
    void setLastError(const QString& value);
    [[nodiscard]] const QStringList& backups() const { return m_backups; }
    void setBackups(const QStringList& value);
    [[nodiscard]] const QList<DockProfile>& profiles() const { return m_profiles; }
    [[nodiscard]] const QList<DockSchedule>& schedules() const { return m_schedules; }
    [[nodiscard]] const QString& lastScheduleApplied() const { return m_lastScheduleApplied; }
    [[nodiscard]] QVariantList profileList() const;
    [[nodiscard]] QVariantList scheduleList() const;
    [[nodiscard]] QVariantList presetList() const;

    // Services; they hold no state, so these instances behave like the ones inside the preset and
    // profile services.
    [[nodiscard]] const DockService& dockService() const { return m_dockService; }
    [[nodiscard]] const BackupService& backupService() const { return m_backupService; }
    [[nodiscard]] const PresetService& presetService() const { return m_presetService; }
    [[nodiscard]] const ProfileService& profileService() const { return m_profileService; }
    [[nodiscard]] const ScheduleStore& scheduleStore() const { return m_scheduleStore; }

    // Shows the busy state and clears the error at once, runs the action, then reports its outcome:
    // the success message, or the error's description and "Something went wrong.". The busy state
    // ends when the last running operation ends.
    void perform(QString successMessage, Action action);

    // Operations a caller runs inside `perform`; each writes the Dock once and changes no published
    // property.
    [[nodiscard]] QCoro::Task<> applyDockSize();
    [[nodiscard]] QCoro::Task<> applyMagnificationSize();
    [[nodiscard]] QCoro::Task<> applyMagnification(bool enabled);
    [[nodiscard]] QCoro::Task<> applyAutoHide(bool enabled);
    [[nodiscard]] QCoro::Task<> applyFastAutoHide(bool enabled);
    [[nodiscard]] QCoro::Task<> applyShowOnlyRunningApps(bool enabled);
    [[nodiscard]] QCoro::Task<> applyDimHiddenApps(bool enabled);
    [[nodiscard]] QCoro::Task<> applyShowRunningIndicators(bool enabled);
    [[nodiscard]] QCoro::Task<> applyMinimizeIntoAppIcon(bool enabled);
    [[nodiscard]] QCoro::Task<> applyHideRecentApps(bool hidden);
    [[nodiscard]] QCoro::Task<> applyDockPosition(DockPosition position);
    [[nodiscard]] QCoro::Task<> applyMinimizeEffect(MinimizeEffect effect);
    [[nodiscard]] QCoro::Task<> addSpacer(DockSpacerType type, DockSection section);

    // Library operations a caller runs inside `perform`.
    [[nodiscard]] QCoro::Task<> applyPreset(DockPreset preset);
    [[nodiscard]] QCoro::Task<> deleteProfile(DockProfile profile);
    [[nodiscard]] QCoro::Task<> exportProfile(DockProfile profile, QString destinationFile);
    [[nodiscard]] QCoro::Task<> importProfile(QString sourceFile);
    [[nodiscard]] QCoro::Task<> createBackup();
    [[nodiscard]] QCoro::Task<> restoreBackup(QString backupFile);
    [[nodiscard]] QCoro::Task<> resetDock();

    // Operations that report through `perform` themselves.
    void addRecentStack(RecentStackType type);
    void applyProfile(const DockProfile& profile);
    void renameProfile(const DockProfile& profile, const QString& newName);
    // Schedule edits are kept and shown even when the file cannot be written; that failure is
    // reported in the status line and through lastError, since the change will not survive a restart.
    void addSchedule(const DockSchedule& schedule);
    void updateSchedule(const DockSchedule& schedule);
    void deleteSchedule(const QUuid& id);

    // One tick of the schedule runner: applies the first due schedule's profile, if any.
    void checkSchedules();

    // Entry points for QML and the menu. Settings changes store the value, then perform the write
    // with "Dock updated successfully."; the perform* calls run the operation of the same name with
    // the message every caller uses.
    Q_INVOKABLE void changeMagnification(bool enabled);
    Q_INVOKABLE void changeAutoHide(bool enabled);
    Q_INVOKABLE void changeFastAutoHide(bool enabled);
    Q_INVOKABLE void changeShowOnlyRunningApps(bool enabled);
    Q_INVOKABLE void changeDimHiddenApps(bool enabled);
    Q_INVOKABLE void changeShowRunningIndicators(bool enabled);
    Q_INVOKABLE void changeMinimizeIntoAppIcon(bool enabled);
    Q_INVOKABLE void changeHideRecentApps(bool hidden);
    Q_INVOKABLE void changeDockPosition(const QString& position);
    Q_INVOKABLE void changeMinimizeEffect(const QString& effect);
    // Sliders store their value while dragging and commit once, when released.
    Q_INVOKABLE void commitDockSize();
    Q_INVOKABLE void commitMagnificationSize();
    // type "standard" or "small"; section "apps" or "others".
    Q_INVOKABLE void performAddSpacer(const QString& type, const QString& section);
    // 1 applications, 2 documents, 4 servers.
    Q_INVOKABLE void addRecentStack(int rawType);
    Q_INVOKABLE void performApplyPreset(const QString& presetId);
    Q_INVOKABLE void captureProfile(const QString& name, const QString& icon);
    Q_INVOKABLE void applyProfile(const QString& profileId);
    Q_INVOKABLE void renameProfile(const QString& profileId, const QString& newName);
    Q_INVOKABLE void performDeleteProfile(const QString& profileId);
    Q_INVOKABLE void performExportProfile(const QString& profileId, const QUrl& destination);
    Q_INVOKABLE void performImportProfile(const QUrl& source);
    Q_INVOKABLE void performCreateBackup();
    Q_INVOKABLE void performRestoreBackup(const QString& backupFile);
    Q_INVOKABLE void performResetDock();
    // A map in the form of `schedules`' entries; a missing id makes a new schedule.
    Q_INVOKABLE void addSchedule(const QVariantMap& schedule);
    Q_INVOKABLE void updateSchedule(const QVariantMap& schedule);
    Q_INVOKABLE void deleteSchedule(const QString& scheduleId);
    // The screens reload their lists each time they appear.
    Q_INVOKABLE void reloadProfiles();
    Q_INVOKABLE void reloadSchedules();
    // Neither reports anything: a folder that cannot be listed shows as no backups, and a backup that
    // cannot be deleted stays listed.
    Q_INVOKABLE void reloadBackups();
    Q_INVOKABLE void deleteBackup(const QString& backupFile);

Q_SIGNALS:
    void dockSizeChanged();
    void magnificationSizeChanged();
    void isAutoHideEnabledChanged();
    void isMagnificationEnabledChanged();
    void showOnlyRunningAppsChanged();
    void dimHiddenAppsChanged();
    void showRunningIndicatorsChanged();
    void minimizeIntoAppIconChanged();
    void hideRecentAppsChanged();
    void fastAutoHideChanged();
    void dockPositionChanged();
    void minimizeEffectChanged();
    void statusMessageChanged();
    void isWorkingChanged();
    void lastErrorChanged();
    void backupsChanged();
    void profilesChanged();
    void schedulesChanged();
    void lastScheduleAppliedChanged();

private:
    void updateSettings(const DockConfiguration& configuration);
    [[nodiscard]] QCoro::Task<> loadCurrentSettings();
    [[nodiscard]] QCoro::Task<> runOperation(QString successMessage, Action action);
    [[nodiscard]] QCoro::Task<> captureAndStoreProfile(QString name, QString icon);
    [[nodiscard]] QCoro::Task<> applyAndPublishProfile(DockProfile profile);
    [[nodiscard]] QCoro::Task<> renameStoredProfile(QUuid id, QString newName);
    [[nodiscard]] QCoro::Task<> applyScheduledProfile(DockProfile profile, QString name);
    // Saves, then publishes whatever the save did; `reportFailure` puts a failed save into lastError.
    void storeSchedules(const QList<DockSchedule>& schedules, bool reportFailure);
    [[nodiscard]] std::optional<DockProfile> profileWithId(const QString& profileId) const;
    void setStatusMessage(const QString& value);
    void setIsWorking(bool value);
    void setProfiles(const QList<DockProfile>& value);
    void setSchedules(const QList<DockSchedule>& value);
    void setLastScheduleApplied(const QString& value);

    Platform m_platform;
    Clock m_clock;
    DockService m_dockService;
    BackupService m_backupService;
    PresetService m_presetService;
    ProfileService m_profileService;
    ScheduleStore m_scheduleStore;

    double m_dockSize = 48;
    double m_magnificationSize = 96;
    bool m_isAutoHideEnabled = false;
    bool m_isMagnificationEnabled = false;
    bool m_showOnlyRunningApps = false;
    bool m_dimHiddenApps = false;
    bool m_showRunningIndicators = true;
    bool m_minimizeIntoAppIcon = true;
    bool m_hideRecentApps = true;
    bool m_fastAutoHide = false;
    DockPosition m_dockPosition = DockPosition::bottom;
    MinimizeEffect m_minimizeEffect = MinimizeEffect::genie;
    QString m_statusMessage;
    bool m_isWorking = false;
    QString m_lastError;
    QStringList m_backups;
    QList<DockProfile> m_profiles;
    QList<DockSchedule> m_schedules;
    QString m_lastScheduleApplied;

    int m_runningOperations = 0;
    TaskKeeper m_tasks;
    // Last, so that it stops before anything it reaches goes away.
    ScheduleRunner m_scheduleRunner;
};
