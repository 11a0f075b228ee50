// SPDX-License-Identifier: MIT
#include "DockViewModel.h"

#include "DisplayText.h"
#include "stores/DiskQueue.h"

#include <set>

using namespace Qt::StringLiterals;

namespace {

// The screens hand over file locations as URLs or paths; anything else is no location.
QString localPath(const QUrl& url) {
    if (url.isLocalFile())
        return url.toLocalFile();
    return url.scheme().isEmpty() ? url.path() : QString();
}

std::set<Weekday> weekdays(const QList<int>& days) {
    std::set<Weekday> result;
    for (int day : days) {
        if (const std::optional<Weekday> weekday = weekdayFromRawValue(day))
            result.insert(*weekday);
    }
    return result;
}

} // namespace

DockViewModel::DockViewModel(Platform platform, Clock clock, QObject* parent, DockReading reading)
    : DockSettings(
          [this](DockSetting setting, DockConfiguration values) {
              perform(tr("Dock updated successfully."),
                      [this, setting, values] { return m_dockService.writeSetting(setting, values); });
          },
          parent)
    , m_dockService(ShellService(platform))
    , m_presetService(DockService(ShellService(platform)), BackupService(ShellService(platform)))
    , m_profiles(ProfileService(DockService(ShellService(platform)), BackupService(ShellService(platform)),
                                platform.profilesFile()))
    , m_schedules(ScheduleStore(platform.applicationSupportFolder), *m_profiles.model())
    , m_backups(BackupService(ShellService(platform)))
    , m_scheduleRunner(m_schedules.schedules(), m_profiles.profiles(), std::move(clock)) {
    connect(&m_runner, &OperationRunner::statusMessageChanged, this, &DockViewModel::statusMessageChanged);
    connect(&m_runner, &OperationRunner::isWorkingChanged, this, &DockViewModel::isWorkingChanged);
    connect(&m_runner, &OperationRunner::lastErrorChanged, this, &DockViewModel::lastErrorChanged);
    connect(&m_scheduleRunner, &ScheduleRunner::due, this, &DockViewModel::applySchedule);
    if (reading == DockReading::atConstruction)
        readDock();
    m_scheduleRunner.start();
}

DockViewModel::~DockViewModel() {
    // A save, backup or restore handed to the disk lands before the process can end under it.
    DiskQueue::drain();
}

void DockViewModel::readDock() {
    m_runner.keep(loadCurrentSettings());
}

QCoro::Task<> DockViewModel::loadCurrentSettings() {
    updateSettings(co_await m_dockService.readConfiguration());
}

void DockViewModel::perform(QString successMessage, Action action) {
    m_runner.perform(std::move(successMessage), std::move(action));
}

void DockViewModel::setLastScheduleApplied(const QString& value) {
    if (m_lastScheduleApplied == value)
        return;
    m_lastScheduleApplied = value;
    Q_EMIT lastScheduleAppliedChanged();
}

// Tiles.

void DockViewModel::addSpacer(const QString& type, const QString& section) {
    const bool standard = type == u"standard"_s;
    const bool apps = section == u"apps"_s;
    if ((!standard && type != u"small"_s) || (!apps && section != u"others"_s))
        return;
    const QString message = standard ? (apps ? tr("Standard spacer added to Apps Section.")
                                             : tr("Standard spacer added to Right Side."))
                                     : (apps ? tr("Small spacer added to Apps Section.")
                                             : tr("Small spacer added to Right Side."));
    perform(message, [this, standard, apps] {
        return m_dockService.addSpacer(standard ? DockSpacerType::standard : DockSpacerType::small,
                                       apps ? DockSection::apps : DockSection::others);
    });
}

void DockViewModel::addRecentStack(int type) {
    const std::optional<RecentStackType> stack = recentStackTypeFromRawValue(type);
    if (!stack)
        return;
    QString message;
    switch (*stack) {
    case RecentStackType::applications:
        message = tr("Recent Applications stack added.");
        break;
    case RecentStackType::documents:
        message = tr("Recent Documents stack added.");
        break;
    case RecentStackType::servers:
        message = tr("Recent Servers stack added.");
        break;
    }
    perform(message, [this, stack = *stack] { return m_dockService.addRecentStack(stack); });
}

// Presets and profiles.

void DockViewModel::applyPreset(const QString& presetId) {
    const QUuid id = QUuid::fromString(presetId);
    for (const DockPreset& preset : DockPreset::builtInPresets()) {
        if (preset.id == id && !id.isNull())
            perform(tr("'%1' applied.").arg(DisplayText::presetName(preset)),
                    [this, preset] { return applyPresetAndShow(preset); });
    }
}

QCoro::Task<> DockViewModel::applyPresetAndShow(DockPreset preset) {
    co_await m_presetService.applyPreset(preset);
    updateSettings(preset);
}

std::optional<DockProfile> DockViewModel::listedProfile(const QString& profileId) {
    std::optional<DockProfile> profile = m_profiles.profile(QUuid::fromString(profileId));
    if (!profile)
        m_runner.reportFailure(tr("That profile no longer exists."));
    return profile;
}

void DockViewModel::captureProfile(const QString& name, const QString& icon) {
    QString finalName = name.trimmed();
    if (finalName.isEmpty())
        finalName = tr("Untitled Profile");
    perform(tr("Profile '%1' captured.").arg(finalName),
            [this, finalName, icon] { return m_profiles.capture(finalName, icon); });
}

void DockViewModel::applyProfile(const QString& profileId) {
    if (const std::optional<DockProfile> profile = listedProfile(profileId)) {
        perform(tr("Profile '%1' applied.").arg(profile->name),
                [this, profile = *profile] { return applyProfileAndShow(profile); });
    }
}

QCoro::Task<> DockViewModel::applyProfileAndShow(DockProfile profile) {
    co_await m_profiles.apply(profile);
    updateSettings(profile);
}

void DockViewModel::renameProfile(const QString& profileId, const QString& newName) {
    const QString trimmed = newName.trimmed();
    if (trimmed.isEmpty())
        return;
    if (const std::optional<DockProfile> profile = listedProfile(profileId))
        perform(tr("Profile renamed."),
                [this, id = profile->id, trimmed] { return m_profiles.rename(id, trimmed); });
}

void DockViewModel::deleteProfile(const QString& profileId) {
    if (const std::optional<DockProfile> profile = listedProfile(profileId))
        perform(tr("Profile deleted."), [this, id = profile->id] { return m_profiles.remove(id); });
}

void DockViewModel::exportProfile(const QString& profileId, const QUrl& destination) {
    const QString path = localPath(destination);
    if (path.isEmpty())
        return;
    if (const std::optional<DockProfile> profile = listedProfile(profileId)) {
        perform(tr("Profile exported."),
                [this, profile = *profile, path] { return m_profiles.exportTo(profile, path); });
    }
}

void DockViewModel::importProfile(const QUrl& source) {
    const QString path = localPath(source);
    if (!path.isEmpty())
        perform(tr("Profile imported."), [this, path] { return m_profiles.importFrom(path); });
}

void DockViewModel::reloadProfiles() {
    m_runner.keep(m_profiles.reload());
}

// Schedules.

QCoro::Task<> DockViewModel::finishScheduleEdit(QCoro::Task<ScheduleLibrary::Outcome> edit, bool alerts) {
    const ScheduleLibrary::Outcome failure = co_await std::move(edit);
    // A change that could not be saved stays on screen; the user still has to learn that it will not
    // survive a restart.
    if (failure && alerts)
        m_runner.reportFailure(*failure);
}

void DockViewModel::addSchedule(const QString& profileId, int hour, int minute, const QList<int>& days,
                                bool isEnabled) {
    DockSchedule schedule;
    schedule.profileID = QUuid::fromString(profileId);
    schedule.hour = hour;
    schedule.minute = minute;
    schedule.days = weekdays(days);
    schedule.isEnabled = isEnabled;
    if (!schedule.profileID.isNull())
        m_runner.keep(finishScheduleEdit(m_schedules.add(schedule)));
}

void DockViewModel::updateSchedule(const QString& scheduleId, const QString& profileId, int hour, int minute,
                                   const QList<int>& days, bool isEnabled) {
    const auto change = [chosen = QUuid::fromString(profileId), hour, minute, days = weekdays(days),
                         isEnabled](DockSchedule& schedule) {
        if (!chosen.isNull())
            schedule.profileID = chosen;
        schedule.hour = hour;
        schedule.minute = minute;
        schedule.days = days;
        schedule.isEnabled = isEnabled;
        schedule.lastAppliedDate.reset();
    };
    m_runner.keep(finishScheduleEdit(m_schedules.edit(QUuid::fromString(scheduleId), change)));
}

void DockViewModel::setScheduleEnabled(const QString& scheduleId, bool isEnabled) {
    const auto change = [isEnabled](DockSchedule& schedule) { schedule.isEnabled = isEnabled; };
    m_runner.keep(finishScheduleEdit(m_schedules.edit(QUuid::fromString(scheduleId), change)));
}

void DockViewModel::deleteSchedule(const QString& scheduleId) {
    m_runner.keep(finishScheduleEdit(m_schedules.remove(QUuid::fromString(scheduleId))));
}

void DockViewModel::reloadSchedules() {
    m_runner.keep(m_schedules.reload());
}

void DockViewModel::applySchedule(const ScheduleRunner::Due& due) {
    const QString name = due.profile.name;
    perform(tr("Schedule applied '%1'.").arg(name),
            [this, profile = due.profile, name] { return applyScheduledProfile(profile, name); });
    // Marked before the apply has even started, so neither the next check in this minute nor a
    // restart applies it again, whatever the outcome. A failed save is not worth an alert: the
    // mark in memory already keeps this minute from firing twice.
    const auto mark = [now = due.now](DockSchedule& schedule) { schedule.lastAppliedDate = now; };
    m_runner.keep(finishScheduleEdit(m_schedules.edit(due.scheduleId, mark), false));
}

QCoro::Task<> DockViewModel::applyScheduledProfile(DockProfile profile, QString name) {
    co_await m_profiles.apply(profile);
    updateSettings(profile);
    setLastScheduleApplied(name);
}

// Backups.

void DockViewModel::createBackup() {
    perform(tr("Backup created successfully."), [this] { return m_backups.create(); });
}

void DockViewModel::restoreBackup(const QString& path) {
    perform(tr("Dock restored from backup."), [this, path] { return m_backups.restore(path); });
}

void DockViewModel::resetDock() {
    perform(tr("Dock reset to Apple defaults."), [this] { return m_dockService.resetDock(); });
}

void DockViewModel::reloadBackups() {
    m_runner.keep(m_backups.reload());
}

void DockViewModel::deleteBackup(const QString& path) {
    m_runner.keep(m_backups.remove(path));
}
