// SPDX-License-Identifier: MIT
#include "DockViewModel.h"

#include "ListEntryMaps.h"
#include "NextEventLoopTurn.h"
#include "common/Error.h"

#include <QDir>
#include <QUrl>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const auto settingsChanged = u"Dock updated successfully."_s;
const auto somethingWentWrong = u"Something went wrong."_s;

QString descriptionOf(const std::exception& error) {
    if (const auto* described = dynamic_cast<const Error*>(&error))
        return described->description();
    return QString::fromUtf8(error.what());
}

QString recentStackTitle(RecentStackType type) {
    switch (type) {
    case RecentStackType::applications:
        return u"Recent Applications"_s;
    case RecentStackType::documents:
        return u"Recent Documents"_s;
    case RecentStackType::servers:
        return u"Recent Servers"_s;
    }
    return {};
}

QString spacerMessage(DockSpacerType type, DockSection section) {
    const QString kind = type == DockSpacerType::standard ? u"Standard"_s : u"Small"_s;
    const QString place = section == DockSection::apps ? u"Apps Section"_s : u"Right Side"_s;
    return kind + u" spacer added to "_s + place + u'.';
}

// Sliders deliver any real number; the Dock takes whole points, and a half-dragged 63.9 means 63.
qint64 wholePoints(double value) {
    return static_cast<qint64>(std::trunc(value));
}

// The screens hand over file locations as URLs; a bare path is taken as it is.
QString localPath(const QUrl& url) {
    if (url.isLocalFile())
        return url.toLocalFile();
    return url.scheme().isEmpty() ? url.path() : QString();
}

QString localPath(const QString& text) {
    return text.startsWith(u"file:"_s) ? QUrl(text).toLocalFile() : text;
}

// Every published property changes the same way: only when the value differs, then notifies.
template <typename T>
void assign(DockViewModel& model, T& field, const T& value, void (DockViewModel::*changed)()) {
    if (field == value)
        return;
    field = value;
    Q_EMIT(model.*changed)();
}

DockService newDockService(const Platform& platform) {
    return DockService(ShellService(platform));
}

BackupService newBackupService(const Platform& platform) {
    return BackupService(ShellService(platform));
}

} // namespace

DockViewModel::DockViewModel(Platform platform, Clock clock, QObject* parent)
    : QObject(parent)
    , m_platform(std::move(platform))
    , m_clock(std::move(clock))
    , m_dockService(newDockService(m_platform))
    , m_backupService(newBackupService(m_platform))
    , m_presetService(newDockService(m_platform), newBackupService(m_platform))
    , m_profileService(newDockService(m_platform), newBackupService(m_platform), m_platform.profilesFile())
    , m_scheduleStore(m_platform.applicationSupportFolder)
    , m_statusMessage(u"Ready"_s)
    , m_scheduleRunner([this] { checkSchedules(); }) {
    m_profiles = m_profileService.loadProfiles();
    m_schedules = m_scheduleStore.loadSchedules();
    m_tasks.keep(loadCurrentSettings());
    m_scheduleRunner.start();
}

DockViewModel::~DockViewModel() = default;

// Published state.

void DockViewModel::setDockSize(double value) {
    assign(*this, m_dockSize, value, &DockViewModel::dockSizeChanged);
}

void DockViewModel::setMagnificationSize(double value) {
    assign(*this, m_magnificationSize, value, &DockViewModel::magnificationSizeChanged);
}

void DockViewModel::setIsAutoHideEnabled(bool value) {
    assign(*this, m_isAutoHideEnabled, value, &DockViewModel::isAutoHideEnabledChanged);
}

void DockViewModel::setIsMagnificationEnabled(bool value) {
    assign(*this, m_isMagnificationEnabled, value, &DockViewModel::isMagnificationEnabledChanged);
}

void DockViewModel::setShowOnlyRunningApps(bool value) {
    assign(*this, m_showOnlyRunningApps, value, &DockViewModel::showOnlyRunningAppsChanged);
}

void DockViewModel::setDimHiddenApps(bool value) {
    assign(*this, m_dimHiddenApps, value, &DockViewModel::dimHiddenAppsChanged);
}

void DockViewModel::setShowRunningIndicators(bool value) {
    assign(*this, m_showRunningIndicators, value, &DockViewModel::showRunningIndicatorsChanged);
}

void DockViewModel::setMinimizeIntoAppIcon(bool value) {
    assign(*this, m_minimizeIntoAppIcon, value, &DockViewModel::minimizeIntoAppIconChanged);
}

void DockViewModel::setHideRecentApps(bool value) {
    assign(*this, m_hideRecentApps, value, &DockViewModel::hideRecentAppsChanged);
}

void DockViewModel::setFastAutoHide(bool value) {
    assign(*this, m_fastAutoHide, value, &DockViewModel::fastAutoHideChanged);
}

void DockViewModel::setDockPosition(DockPosition value) {
    assign(*this, m_dockPosition, value, &DockViewModel::dockPositionChanged);
}

QString DockViewModel::dockPositionRawValue() const {
    return rawValue(m_dockPosition);
}

void DockViewModel::setDockPositionRawValue(const QString& raw) {
    if (const std::optional<DockPosition> position = dockPositionFromRawValue(raw))
        setDockPosition(*position);
}

void DockViewModel::setMinimizeEffect(MinimizeEffect value) {
    assign(*this, m_minimizeEffect, value, &DockViewModel::minimizeEffectChanged);
}

QString DockViewModel::minimizeEffectRawValue() const {
    return rawValue(m_minimizeEffect);
}

void DockViewModel::setMinimizeEffectRawValue(const QString& raw) {
    if (const std::optional<MinimizeEffect> effect = minimizeEffectFromRawValue(raw))
        setMinimizeEffect(*effect);
}

void DockViewModel::setLastError(const QString& value) {
    assign(*this, m_lastError, value, &DockViewModel::lastErrorChanged);
}

void DockViewModel::setBackups(const QStringList& value) {
    assign(*this, m_backups, value, &DockViewModel::backupsChanged);
}

void DockViewModel::setStatusMessage(const QString& value) {
    assign(*this, m_statusMessage, value, &DockViewModel::statusMessageChanged);
}

void DockViewModel::setIsWorking(bool value) {
    assign(*this, m_isWorking, value, &DockViewModel::isWorkingChanged);
}

void DockViewModel::setProfiles(const QList<DockProfile>& value) {
    assign(*this, m_profiles, value, &DockViewModel::profilesChanged);
}

void DockViewModel::setSchedules(const QList<DockSchedule>& value) {
    assign(*this, m_schedules, value, &DockViewModel::schedulesChanged);
}

void DockViewModel::setLastScheduleApplied(const QString& value) {
    assign(*this, m_lastScheduleApplied, value, &DockViewModel::lastScheduleAppliedChanged);
}

QVariantList DockViewModel::profileList() const {
    QVariantList list;
    list.reserve(m_profiles.size());
    for (const DockProfile& profile : m_profiles)
        list.append(ListEntryMaps::profileMap(profile));
    return list;
}

QVariantList DockViewModel::scheduleList() const {
    QVariantList list;
    list.reserve(m_schedules.size());
    for (const DockSchedule& schedule : m_schedules)
        list.append(ListEntryMaps::scheduleMap(schedule));
    return list;
}

QVariantList DockViewModel::presetList() const {
    QVariantList list;
    for (const DockPreset& preset : DockPreset::builtInPresets())
        list.append(ListEntryMaps::presetMap(preset));
    return list;
}

void DockViewModel::updateSettings(const DockConfiguration& configuration) {
    setDockSize(static_cast<double>(configuration.dockSize));
    setMagnificationSize(static_cast<double>(configuration.magnificationSize));
    setIsMagnificationEnabled(configuration.magnification);
    setIsAutoHideEnabled(configuration.autoHide);
    setFastAutoHide(configuration.fastAutoHide);
    setHideRecentApps(!configuration.showRecentApps);
    setMinimizeIntoAppIcon(configuration.minimizeToApplication);
    setDimHiddenApps(configuration.showHidden);
    setShowOnlyRunningApps(configuration.showOnlyRunningApps);
    setShowRunningIndicators(configuration.showProcessIndicators);
    setDockPosition(configuration.orientation);
    setMinimizeEffect(configuration.minimizeEffect);
}

QCoro::Task<> DockViewModel::loadCurrentSettings() {
    const CapturedDockConfiguration configuration = co_await m_dockService.readConfiguration();
    updateSettings(configuration);
}

// The runner.

void DockViewModel::perform(QString successMessage, Action action) {
    ++m_runningOperations;
    setIsWorking(true);
    setLastError(QString());
    m_tasks.keep(runOperation(std::move(successMessage), std::move(action)));
}

QCoro::Task<> DockViewModel::runOperation(QString successMessage, Action action) {
    // The busy state reaches the screen before any of the operation's own work, even work that
    // never suspends.
    co_await NextEventLoopTurn{this};
    try {
        co_await action();
        setStatusMessage(successMessage);
    } catch (const std::exception& error) {
        setLastError(descriptionOf(error));
        setStatusMessage(somethingWentWrong);
    }
    // Operations run side by side; the busy state lasts until the last of them has ended.
    if (--m_runningOperations == 0)
        setIsWorking(false);
}

// Settings and tiles.

QCoro::Task<> DockViewModel::applyDockSize() {
    return m_dockService.writeInt(DockPreferenceKey::tileSize, wholePoints(m_dockSize));
}

QCoro::Task<> DockViewModel::applyMagnificationSize() {
    return m_dockService.writeInt(DockPreferenceKey::largeSize, wholePoints(m_magnificationSize));
}

QCoro::Task<> DockViewModel::applyMagnification(bool enabled) {
    return m_dockService.writeBool(DockPreferenceKey::magnification, enabled);
}

QCoro::Task<> DockViewModel::applyAutoHide(bool enabled) {
    return m_dockService.writeBool(DockPreferenceKey::autoHide, enabled);
}

QCoro::Task<> DockViewModel::applyFastAutoHide(bool enabled) {
    return m_dockService.setFastAutoHide(enabled);
}

QCoro::Task<> DockViewModel::applyShowOnlyRunningApps(bool enabled) {
    return m_dockService.writeBool(DockPreferenceKey::staticOnly, enabled);
}

QCoro::Task<> DockViewModel::applyDimHiddenApps(bool enabled) {
    return m_dockService.writeBool(DockPreferenceKey::showHidden, enabled);
}

QCoro::Task<> DockViewModel::applyShowRunningIndicators(bool enabled) {
    return m_dockService.writeBool(DockPreferenceKey::showProcessIndicators, enabled);
}

QCoro::Task<> DockViewModel::applyMinimizeIntoAppIcon(bool enabled) {
    return m_dockService.writeBool(DockPreferenceKey::minimizeToApplication, enabled);
}

QCoro::Task<> DockViewModel::applyHideRecentApps(bool hidden) {
    // The Dock's key says the opposite: it shows the recent applications.
    return m_dockService.writeBool(DockPreferenceKey::showRecents, !hidden);
}

QCoro::Task<> DockViewModel::applyDockPosition(DockPosition position) {
    return m_dockService.writeString(DockPreferenceKey::orientation, rawValue(position));
}

QCoro::Task<> DockViewModel::applyMinimizeEffect(MinimizeEffect effect) {
    return m_dockService.writeString(DockPreferenceKey::minimizeEffect, rawValue(effect));
}

QCoro::Task<> DockViewModel::addSpacer(DockSpacerType type, DockSection section) {
    return m_dockService.addSpacer(type, section);
}

void DockViewModel::addRecentStack(RecentStackType type) {
    perform(recentStackTitle(type) + u" stack added."_s,
            [this, type] { return m_dockService.addRecentStack(type); });
}

// Presets, profiles and backups.

QCoro::Task<> DockViewModel::applyPreset(DockPreset preset) {
    co_await m_presetService.applyPreset(preset);
    updateSettings(preset);
}

void DockViewModel::captureProfile(const QString& name, const QString& icon) {
    QString finalName = name.trimmed();
    if (finalName.isEmpty())
        finalName = u"Untitled Profile"_s;
    perform(u"Profile '"_s + finalName + u"' captured."_s,
            [this, finalName, icon] { return captureAndStoreProfile(finalName, icon); });
}

QCoro::Task<> DockViewModel::captureAndStoreProfile(QString name, QString icon) {
    const DockProfile captured = co_await m_profileService.captureProfile(name, icon);
    // The copy is taken only now: another operation may have changed the list during the capture.
    QList<DockProfile> profiles = m_profiles;
    profiles.prepend(captured);
    m_profileService.saveProfiles(profiles);
    setProfiles(profiles);
}

void DockViewModel::applyProfile(const DockProfile& profile) {
    perform(u"Profile '"_s + profile.name + u"' applied."_s,
            [this, profile] { return applyAndPublishProfile(profile); });
}

QCoro::Task<> DockViewModel::applyAndPublishProfile(DockProfile profile) {
    co_await m_profileService.applyProfile(profile);
    updateSettings(profile);
}

void DockViewModel::renameProfile(const DockProfile& profile, const QString& newName) {
    const QString trimmed = newName.trimmed();
    if (trimmed.isEmpty())
        return;
    perform(u"Profile renamed."_s,
            [this, id = profile.id, trimmed] { return renameStoredProfile(id, trimmed); });
}

QCoro::Task<> DockViewModel::renameStoredProfile(QUuid id, QString newName) {
    QList<DockProfile> profiles = m_profiles;
    const auto match = std::find_if(profiles.begin(), profiles.end(),
                                    [&](const DockProfile& profile) { return profile.id == id; });
    // A profile deleted meanwhile leaves nothing to rename, which is no failure.
    if (match == profiles.end())
        co_return;
    match->name = newName;
    m_profileService.saveProfiles(profiles);
    setProfiles(profiles);
}

QCoro::Task<> DockViewModel::deleteProfile(DockProfile profile) {
    QList<DockProfile> remaining;
    std::copy_if(m_profiles.begin(), m_profiles.end(), std::back_inserter(remaining),
                 [&](const DockProfile& kept) { return kept.id != profile.id; });
    m_profileService.saveProfiles(remaining);
    setProfiles(remaining);
    co_return;
}

QCoro::Task<> DockViewModel::exportProfile(DockProfile profile, QString destinationFile) {
    m_profileService.exportProfile(profile, destinationFile);
    co_return;
}

QCoro::Task<> DockViewModel::importProfile(QString sourceFile) {
    const DockProfile imported = m_profileService.importProfile(sourceFile);
    QList<DockProfile> profiles = m_profiles;
    profiles.prepend(imported);
    m_profileService.saveProfiles(profiles);
    setProfiles(profiles);
    co_return;
}

QCoro::Task<> DockViewModel::createBackup() {
    const QString created = m_backupService.createBackup();
    QStringList backups;
    try {
        backups = m_backupService.listBackups();
    } catch (const std::exception&) {
        // The backup exists all the same, and the user has to be able to see it.
        backups.clear();
    }
    const auto sameFile = [&](const QString& listed) {
        return QDir::cleanPath(listed) == QDir::cleanPath(created);
    };
    if (std::none_of(backups.begin(), backups.end(), sameFile))
        backups.prepend(created);
    setBackups(backups);
    co_return;
}

QCoro::Task<> DockViewModel::restoreBackup(QString backupFile) {
    return m_backupService.restoreBackup(backupFile);
}

QCoro::Task<> DockViewModel::resetDock() {
    return m_dockService.resetDock();
}

// Schedules.

void DockViewModel::storeSchedules(const QList<DockSchedule>& schedules, bool reportFailure) {
    QString failure;
    try {
        m_scheduleStore.saveSchedules(schedules);
    } catch (const std::exception& error) {
        failure = descriptionOf(error);
    }
    setSchedules(schedules);
    // The change stays on screen either way; the user still has to learn that it will not survive a
    // restart. The status line shows it too, so that it never keeps an earlier success in red.
    if (reportFailure && !failure.isEmpty()) {
        setStatusMessage(failure);
        setLastError(failure);
    }
}

void DockViewModel::addSchedule(const DockSchedule& schedule) {
    QList<DockSchedule> schedules = m_schedules;
    schedules.append(schedule);
    storeSchedules(schedules, true);
}

void DockViewModel::updateSchedule(const DockSchedule& schedule) {
    QList<DockSchedule> schedules = m_schedules;
    const auto match = std::find_if(schedules.begin(), schedules.end(),
                                    [&](const DockSchedule& stored) { return stored.id == schedule.id; });
    if (match == schedules.end())
        return;
    *match = schedule;
    storeSchedules(schedules, true);
}

void DockViewModel::deleteSchedule(const QUuid& id) {
    QList<DockSchedule> remaining;
    std::copy_if(m_schedules.begin(), m_schedules.end(), std::back_inserter(remaining),
                 [&](const DockSchedule& kept) { return kept.id != id; });
    storeSchedules(remaining, true);
}

void DockViewModel::checkSchedules() {
    if (m_schedules.isEmpty())
        return;
    const QDateTime now = m_clock();
    const std::optional<ScheduleRunner::Due> due = ScheduleRunner::dueSchedule(m_schedules, m_profiles, now);
    if (!due)
        return;
    QList<DockSchedule> schedules = m_schedules;
    // Marked before the apply has even started, so neither the next tick in this minute nor a
    // restart applies it again, whatever the outcome.
    schedules[due->scheduleIndex].lastAppliedDate = now;
    const QString name = due->profile.name;
    perform(u"Schedule applied '"_s + name + u"'."_s,
            [this, profile = due->profile, name] { return applyScheduledProfile(profile, name); });
    storeSchedules(schedules, false);
}

QCoro::Task<> DockViewModel::applyScheduledProfile(DockProfile profile, QString name) {
    co_await m_profileService.applyProfile(profile);
    updateSettings(profile);
    setLastScheduleApplied(name);
}

// Entry points for the screens and the menu.

void DockViewModel::changeMagnification(bool enabled) {
    setIsMagnificationEnabled(enabled);
    perform(settingsChanged, [this, enabled] { return applyMagnification(enabled); });
}

void DockViewModel::changeAutoHide(bool enabled) {
    setIsAutoHideEnabled(enabled);
    perform(settingsChanged, [this, enabled] { return applyAutoHide(enabled); });
}

void DockViewModel::changeFastAutoHide(bool enabled) {
    setFastAutoHide(enabled);
    perform(settingsChanged, [this, enabled] { return applyFastAutoHide(enabled); });
}

void DockViewModel::changeShowOnlyRunningApps(bool enabled) {
    setShowOnlyRunningApps(enabled);
    perform(settingsChanged, [this, enabled] { return applyShowOnlyRunningApps(enabled); });
}

void DockViewModel::changeDimHiddenApps(bool enabled) {
    setDimHiddenApps(enabled);
    perform(settingsChanged, [this, enabled] { return applyDimHiddenApps(enabled); });
}

void DockViewModel::changeShowRunningIndicators(bool enabled) {
    setShowRunningIndicators(enabled);
    perform(settingsChanged, [this, enabled] { return applyShowRunningIndicators(enabled); });
}

void DockViewModel::changeMinimizeIntoAppIcon(bool enabled) {
    setMinimizeIntoAppIcon(enabled);
    perform(settingsChanged, [this, enabled] { return applyMinimizeIntoAppIcon(enabled); });
}

void DockViewModel::changeHideRecentApps(bool hidden) {
    setHideRecentApps(hidden);
    perform(settingsChanged, [this, hidden] { return applyHideRecentApps(hidden); });
}

void DockViewModel::changeDockPosition(const QString& position) {
    const std::optional<DockPosition> parsed = dockPositionFromRawValue(position);
    if (!parsed)
        return;
    setDockPosition(*parsed);
    perform(settingsChanged, [this, value = *parsed] { return applyDockPosition(value); });
}

void DockViewModel::changeMinimizeEffect(const QString& effect) {
    const std::optional<MinimizeEffect> parsed = minimizeEffectFromRawValue(effect);
    if (!parsed)
        return;
    setMinimizeEffect(*parsed);
    perform(settingsChanged, [this, value = *parsed] { return applyMinimizeEffect(value); });
}

void DockViewModel::commitDockSize() {
    perform(settingsChanged, [this] { return applyDockSize(); });
}

void DockViewModel::commitMagnificationSize() {
    perform(settingsChanged, [this] { return applyMagnificationSize(); });
}

void DockViewModel::performAddSpacer(const QString& type, const QString& section) {
    std::optional<DockSpacerType> spacerType;
    if (type == u"standard"_s)
        spacerType = DockSpacerType::standard;
    else if (type == u"small"_s)
        spacerType = DockSpacerType::small;
    std::optional<DockSection> dockSection;
    if (section == u"apps"_s)
        dockSection = DockSection::apps;
    else if (section == u"others"_s)
        dockSection = DockSection::others;
    if (!spacerType || !dockSection)
        return;
    perform(spacerMessage(*spacerType, *dockSection),
            [this, t = *spacerType, s = *dockSection] { return addSpacer(t, s); });
}

void DockViewModel::addRecentStack(int rawType) {
    if (const std::optional<RecentStackType> type = recentStackTypeFromRawValue(rawType))
        addRecentStack(*type);
}

void DockViewModel::performApplyPreset(const QString& presetId) {
    const QUuid id = ListEntryMaps::idFromText(presetId);
    const QList<DockPreset>& presets = DockPreset::builtInPresets();
    const auto preset =
        std::find_if(presets.begin(), presets.end(), [&](const DockPreset& p) { return p.id == id; });
    if (id.isNull() || preset == presets.end())
        return;
    perform(u"'"_s + preset->name + u"' applied."_s,
            [this, chosen = *preset] { return applyPreset(chosen); });
}

std::optional<DockProfile> DockViewModel::profileWithId(const QString& profileId) const {
    const QUuid id = ListEntryMaps::idFromText(profileId);
    if (id.isNull())
        return std::nullopt;
    const auto match = std::find_if(m_profiles.begin(), m_profiles.end(),
                                    [&](const DockProfile& profile) { return profile.id == id; });
    if (match == m_profiles.end())
        return std::nullopt;
    return *match;
}

void DockViewModel::applyProfile(const QString& profileId) {
    if (const std::optional<DockProfile> profile = profileWithId(profileId))
        applyProfile(*profile);
}

void DockViewModel::renameProfile(const QString& profileId, const QString& newName) {
    // A profile that is gone by now still renames "successfully", as one deleted during the
    // operation would; only the id has to make sense.
    DockProfile profile;
    profile.id = ListEntryMaps::idFromText(profileId);
    if (!profile.id.isNull())
        renameProfile(profile, newName);
}

void DockViewModel::performDeleteProfile(const QString& profileId) {
    DockProfile profile;
    profile.id = ListEntryMaps::idFromText(profileId);
    if (profile.id.isNull())
        return;
    perform(u"Profile deleted."_s, [this, profile] { return deleteProfile(profile); });
}

void DockViewModel::performExportProfile(const QString& profileId, const QUrl& destination) {
    const std::optional<DockProfile> profile = profileWithId(profileId);
    const QString path = localPath(destination);
    if (!profile || path.isEmpty())
        return;
    perform(u"Profile exported."_s, [this, chosen = *profile, path] { return exportProfile(chosen, path); });
}

void DockViewModel::performImportProfile(const QUrl& source) {
    const QString path = localPath(source);
    if (path.isEmpty())
        return;
    perform(u"Profile imported."_s, [this, path] { return importProfile(path); });
}

void DockViewModel::performCreateBackup() {
    perform(u"Backup created successfully."_s, [this] { return createBackup(); });
}

void DockViewModel::performRestoreBackup(const QString& backupFile) {
    const QString path = localPath(backupFile);
    if (path.isEmpty())
        return;
    perform(u"Dock restored from backup."_s, [this, path] { return restoreBackup(path); });
}

void DockViewModel::performResetDock() {
    perform(u"Dock reset to Apple defaults."_s, [this] { return resetDock(); });
}

void DockViewModel::addSchedule(const QVariantMap& schedule) {
    addSchedule(ListEntryMaps::scheduleFromMap(schedule));
}

void DockViewModel::updateSchedule(const QVariantMap& schedule) {
    updateSchedule(ListEntryMaps::scheduleFromMap(schedule));
}

void DockViewModel::deleteSchedule(const QString& scheduleId) {
    const QUuid id = ListEntryMaps::idFromText(scheduleId);
    if (!id.isNull())
        deleteSchedule(id);
}

void DockViewModel::reloadProfiles() {
    setProfiles(m_profileService.loadProfiles());
}

void DockViewModel::reloadSchedules() {
    setSchedules(m_scheduleStore.loadSchedules());
}

// Listing and deleting never report: the list simply shows the folder as it is.
void DockViewModel::reloadBackups() {
    try {
        setBackups(m_backupService.listBackups());
    } catch (const std::exception&) {
        setBackups({});
    }
}

void DockViewModel::deleteBackup(const QString& backupFile) {
    try {
        m_backupService.deleteBackup(localPath(backupFile));
    } catch (const std::exception&) {
        // The refreshed list shows whether it went.
    }
    reloadBackups();
}
