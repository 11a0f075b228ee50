// SPDX-License-Identifier: MIT
#pragma once

#include "ProfileListModel.h"
#include "stores/ProfileService.h"

#include <QCoro/QCoroTask>

// The saved profiles: the published list and the edits of it. Each edit works on the list as it is
// when the edit gets to it, and publishes only what it has saved, so the list never shows what a
// restart would lose.
class ProfileLibrary {
public:
    explicit ProfileLibrary(ProfileService service);

    [[nodiscard]] ProfileListModel* model() { return &m_model; }
    [[nodiscard]] const ProfileListModel& model() const { return m_model; }
    [[nodiscard]] const ProfileService& service() const { return m_service; }

    void reload();
    // A new profile from the live Dock, first in the list.
    [[nodiscard]] QCoro::Task<> capture(QString name, QString icon);
    // A profile deleted in the meantime leaves nothing to rename or delete, which is no failure.
    [[nodiscard]] QCoro::Task<> rename(QUuid id, QString newName);
    [[nodiscard]] QCoro::Task<> remove(QUuid id);
    [[nodiscard]] QCoro::Task<> exportTo(DockProfile profile, QString path) const;
    // The profile of an exchange file, with a new identity, first in the list.
    [[nodiscard]] QCoro::Task<> importFrom(QString path);

private:
    void store(const QList<DockProfile>& profiles);

    ProfileService m_service;
    ProfileListModel m_model;
};
