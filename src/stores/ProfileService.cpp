// SPDX-License-Identifier: MIT
#include "ProfileService.h"

#include "StoreFile.h"
#include "common/Error.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The files keep whole seconds; a profile held in memory with more would never equal itself reloaded.
QDateTime nowInWholeSeconds() {
    return QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch(), Qt::UTC);
}

} // namespace

ProfileService::ProfileService(DockService dockService, BackupService backupService, QString profilesFile)
    : m_dockService(std::move(dockService))
    , m_backupService(std::move(backupService))
    , m_store(std::move(profilesFile),
              //: Names the records in "the %1 file" and "Couldn't save the %1: %2.".
              QCoreApplication::translate("ProfileService", "profiles"), QJsonDocument::Indented) {}

QList<DockProfile> ProfileService::loadProfiles() const {
    QList<DockProfile> profiles = m_store.load();
    std::stable_sort(profiles.begin(), profiles.end(),
                     [](const DockProfile& a, const DockProfile& b) { return a.createdAt > b.createdAt; });
    return profiles;
}

void ProfileService::saveProfiles(const QList<DockProfile>& profiles) const {
    m_store.save(profiles);
}

QCoro::Task<DockProfile> ProfileService::captureProfile(QString name, QString icon) const {
    const QByteArray exported = co_await m_dockService.exportDockPreferences();
    DockProfile profile;
    static_cast<DockConfiguration&>(profile) = DockService::parseConfiguration(exported);
    profile.id = QUuid::createUuid();
    profile.name = std::move(name);
    profile.icon = std::move(icon);
    profile.createdAt = nowInWholeSeconds();
    profile.plistData = exported;
    co_return profile;
}

QCoro::Task<> ProfileService::applyProfile(DockProfile profile) const {
    try {
        (void)co_await m_backupService.createBackup();
    } catch (const Error&) {
        // Without a live preferences file there is nothing to back up; the profile still applies.
    }
    // The exported preferences carry the whole layout, the twelve settings included.
    if (profile.plistData)
        co_await m_dockService.importDockPreferences(*profile.plistData);
    else
        co_await m_dockService.applyConfiguration(static_cast<const DockConfiguration&>(profile));
}

void ProfileService::exportProfile(const DockProfile& profile, const QString& filePath) const {
    QByteArray json;
    try {
        json = ProfileCoder::encodeOne(profile);
    } catch (const Error& error) {
        throw Error(QCoreApplication::translate("ProfileService", "Couldn't export the profile '%1': %2.")
                        .arg(profile.name, error.description()));
    }
    //: Fills the gap of "Couldn't save %1 '%2': %3".
    StoreFile::write(filePath, json, QCoreApplication::translate("ProfileService", "the profile"));
}

DockProfile ProfileService::importProfile(const QString& filePath) const {
    const QByteArray json = //: Fills the gap of "Couldn't read %1 '%2': %3".
        StoreFile::read(filePath, QCoreApplication::translate("ProfileService", "the profile"));
    DockProfile profile;
    try {
        profile = ProfileCoder::decodeOne(json);
    } catch (const Error& error) {
        throw Error(QCoreApplication::translate("ProfileService", "Couldn't import a profile from '%1': %2.")
                        .arg(QDir::toNativeSeparators(filePath), error.description()));
    }
    profile.id = QUuid::createUuid();
    profile.createdAt = nowInWholeSeconds();
    return profile;
}
