// SPDX-License-Identifier: MIT
#pragma once

#include "BackupService.h"
#include "DockProfile.h"
#include "JsonListStore.h"
#include "ProfileCoder.h"
#include "dock/DockService.h"

#include <QCoro/QCoroTask>
#include <QList>

// Captures, applies, stores and exchanges profiles; the list itself lives in the view model.
class ProfileService {
public:
    ProfileService(DockService dockService, BackupService backupService, QString profilesFile);

    // Newest first; a missing or undecodable file is an empty list.
    [[nodiscard]] QList<DockProfile> loadProfiles() const;
    // Writes the whole list atomically; an existing file that cannot be decoded is first kept aside.
    void saveProfiles(const QList<DockProfile>& profiles) const;
    [[nodiscard]] QCoro::Task<DockProfile> captureProfile(QString name, QString icon) const;
    // A backup that cannot be taken does not stop the apply.
    [[nodiscard]] QCoro::Task<> applyProfile(DockProfile profile) const;
    void exportProfile(const DockProfile& profile, const QString& filePath) const;
    // The profile from an exchange file, with a new identity and the current time as its creation.
    [[nodiscard]] DockProfile importProfile(const QString& filePath) const;

    [[nodiscard]] const QString& profilesFile() const noexcept { return m_store.path(); }

private:
    DockService m_dockService;
    BackupService m_backupService;
    JsonListStore<ProfileCoder> m_store;
};
