// SPDX-License-Identifier: MIT
#include "ProfileService.h"

#include "ProfileCoder.h"
#include "StoreFile.h"
#include "common/Error.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const auto profilesFileDescription = u"the profiles file"_s;

// The files keep whole seconds; a profile held in memory with more would never equal itself reloaded.
QDateTime nowInWholeSeconds() {
    return QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch(), Qt::UTC);
}

} // namespace

ProfileService::ProfileService(DockService dockService, BackupService backupService, QString profilesFile)
    : m_dockService(std::move(dockService))
    , m_backupService(std::move(backupService))
    , m_profilesFile(std::move(profilesFile)) {}

QList<DockProfile> ProfileService::loadProfiles() const {
    if (!QFileInfo::exists(m_profilesFile))
        return {};
    QList<DockProfile> profiles;
    try {
        profiles = ProfileCoder::decodeList(StoreFile::read(m_profilesFile, profilesFileDescription));
    } catch (const Error&) {
        return {};
    }
    std::stable_sort(profiles.begin(), profiles.end(),
                     [](const DockProfile& a, const DockProfile& b) { return a.createdAt > b.createdAt; });
    return profiles;
}

void ProfileService::saveProfiles(const QList<DockProfile>& profiles) const {
    StoreFile::makeFolder(QFileInfo(m_profilesFile).absolutePath());
    QByteArray json;
    try {
        json = ProfileCoder::encodeList(profiles);
    } catch (const Error& error) {
        throw Error(u"Couldn't save the profiles: %1."_s.arg(error.description()));
    }
    StoreFile::keepAsideIfUndecodable(m_profilesFile, profilesFileDescription, &ProfileCoder::decodesAsList);
    StoreFile::write(m_profilesFile, json, profilesFileDescription);
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
        (void)m_backupService.createBackup();
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
        throw Error(u"Couldn't export the profile '%1': %2."_s.arg(profile.name, error.description()));
    }
    StoreFile::write(filePath, json, u"the profile"_s);
}

DockProfile ProfileService::importProfile(const QString& filePath) const {
    const QByteArray json = StoreFile::read(filePath, u"the profile"_s);
    DockProfile profile;
    try {
        profile = ProfileCoder::decodeOne(json);
    } catch (const Error& error) {
        throw Error(u"Couldn't import a profile from '%1': %2."_s.arg(QDir::toNativeSeparators(filePath),
                                                                      error.description()));
    }
    profile.id = QUuid::createUuid();
    profile.createdAt = nowInWholeSeconds();
    return profile;
}
