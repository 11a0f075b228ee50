// SPDX-License-Identifier: MIT
#pragma once

#include "ProfileListModel.h"
#include "stores/ProfileService.h"

#include <QCoro/QCoroTask>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

// The saved profiles: the list, the operations on them, and the model that shows the list. Each edit
// works on the list as the edit before it saved it, and publishes only what it has saved, so the list
// never shows what a restart would lose. Saves wait on the disk off the interface thread, one after
// another.
class ProfileLibrary {
public:
    explicit ProfileLibrary(ProfileService service);

    [[nodiscard]] ProfileListModel* model() { return &m_model; }
    [[nodiscard]] const ProfileService& service() const { return m_service; }
    // As last published, newest first.
    [[nodiscard]] const QList<DockProfile>& profiles() const { return m_profiles; }
    [[nodiscard]] std::optional<DockProfile> profile(const QUuid& id) const { return m_model.profile(id); }

    // Shows the file as it is once the saves under way have landed, read off the interface thread.
    [[nodiscard]] QCoro::Task<> reload();
    // A new profile from the live Dock, first in the list.
    [[nodiscard]] QCoro::Task<> capture(QString name, QString icon);
    // Puts the profile on the Dock, after an automatic backup.
    [[nodiscard]] QCoro::Task<> apply(DockProfile profile) const;
    // A profile deleted in the meantime leaves nothing to rename or delete, which is no failure.
    [[nodiscard]] QCoro::Task<> rename(QUuid id, QString newName);
    [[nodiscard]] QCoro::Task<> remove(QUuid id);
    [[nodiscard]] QCoro::Task<> exportTo(DockProfile profile, QString path) const;
    // The profile of an exchange file, with a new identity, first in the list.
    [[nodiscard]] QCoro::Task<> importFrom(QString path);

private:
    // The list to save instead of the one given, or nothing to leave it as it is. Callers build it
    // before the co_await: g++ 12 destroys a capturing lambda twice when it is built inside one.
    using Change = std::function<std::optional<QList<DockProfile>>(QList<DockProfile>)>;

    [[nodiscard]] QCoro::Task<> store(Change change);
    void publish(const QList<DockProfile>& profiles);

    ProfileService m_service;
    ProfileListModel m_model;
    QList<DockProfile> m_profiles;
    // The list as last saved. Once the library is built, only the disk queue touches it.
    std::shared_ptr<QList<DockProfile>> m_saved;
};
