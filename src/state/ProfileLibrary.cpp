// SPDX-License-Identifier: MIT
#include "ProfileLibrary.h"

#include "stores/DiskQueue.h"

#include <algorithm>

ProfileLibrary::ProfileLibrary(ProfileService service)
    : m_service(std::move(service))
    , m_saved(std::make_shared<QList<DockProfile>>(m_service.loadProfiles())) {
    publish(*m_saved);
}

QCoro::Task<> ProfileLibrary::reload() {
    // Read on the disk queue, behind the saves still under way, so that the file read holds them.
    auto read = [service = m_service, saved = m_saved] {
        *saved = service.loadProfiles();
        return *saved;
    };
    // The library goes with the window, which may close before the disk answers.
    const QPointer<ProfileListModel> alive = &m_model;
    QList<DockProfile> loaded = co_await DiskQueue::run(std::move(read));
    if (alive)
        publish(loaded);
}

void ProfileLibrary::publish(const QList<DockProfile>& profiles) {
    m_profiles = profiles;
    m_model.setProfiles(profiles);
}

QCoro::Task<> ProfileLibrary::store(Change change) {
    auto save = [service = m_service, saved = m_saved, change = std::move(change)] {
        std::optional<QList<DockProfile>> changed = change(*saved);
        if (changed) {
            service.saveProfiles(*changed);
            *saved = *changed;
        }
        return changed;
    };
    // Saves end in the order they were made, so the list published last is the one saved last.
    const QPointer<ProfileListModel> alive = &m_model;
    const std::optional<QList<DockProfile>> changed = co_await DiskQueue::run(std::move(save));
    if (changed && alive)
        publish(*changed);
}

QCoro::Task<> ProfileLibrary::capture(QString name, QString icon) {
    const DockProfile captured = co_await m_service.captureProfile(name, icon);
    Change change = [captured](QList<DockProfile> profiles) -> std::optional<QList<DockProfile>> {
        profiles.prepend(captured);
        return profiles;
    };
    co_await store(std::move(change));
}

QCoro::Task<> ProfileLibrary::apply(DockProfile profile) const {
    return m_service.applyProfile(std::move(profile));
}

QCoro::Task<> ProfileLibrary::rename(QUuid id, QString newName) {
    Change change = [id, newName](QList<DockProfile> profiles) -> std::optional<QList<DockProfile>> {
        const auto match = std::find_if(profiles.begin(), profiles.end(),
                                        [&](const DockProfile& profile) { return profile.id == id; });
        if (match == profiles.end())
            return std::nullopt;
        match->name = newName;
        return profiles;
    };
    co_await store(std::move(change));
}

QCoro::Task<> ProfileLibrary::remove(QUuid id) {
    Change change = [id](QList<DockProfile> profiles) -> std::optional<QList<DockProfile>> {
        if (profiles.removeIf([&](const DockProfile& profile) { return profile.id == id; }) == 0)
            return std::nullopt;
        return profiles;
    };
    co_await store(std::move(change));
}

QCoro::Task<> ProfileLibrary::exportTo(DockProfile profile, QString path) const {
    auto write = [service = m_service, profile, path] { service.exportProfile(profile, path); };
    co_await DiskQueue::run(std::move(write));
}

QCoro::Task<> ProfileLibrary::importFrom(QString path) {
    // Read on the disk queue too, behind an export to the same file that is still being written.
    auto read = [service = m_service, path] { return service.importProfile(path); };
    const DockProfile imported = co_await DiskQueue::run(std::move(read));
    Change change = [imported](QList<DockProfile> profiles) -> std::optional<QList<DockProfile>> {
        profiles.prepend(imported);
        return profiles;
    };
    co_await store(std::move(change));
}
