// SPDX-License-Identifier: MIT
#include "ProfileLibrary.h"

#include <algorithm>

ProfileLibrary::ProfileLibrary(ProfileService service)
    : m_service(std::move(service)) {
    reload();
}

void ProfileLibrary::reload() {
    m_model.setProfiles(m_service.loadProfiles());
}

void ProfileLibrary::store(const QList<DockProfile>& profiles) {
    m_service.saveProfiles(profiles);
    m_model.setProfiles(profiles);
}

QCoro::Task<> ProfileLibrary::capture(QString name, QString icon) {
    const DockProfile captured = co_await m_service.captureProfile(name, icon);
    // The copy is taken only now: another operation may have changed the list during the capture.
    QList<DockProfile> profiles = m_model.profiles();
    profiles.prepend(captured);
    store(profiles);
}

QCoro::Task<> ProfileLibrary::rename(QUuid id, QString newName) {
    QList<DockProfile> profiles = m_model.profiles();
    const auto match = std::find_if(profiles.begin(), profiles.end(),
                                    [&](const DockProfile& profile) { return profile.id == id; });
    if (match != profiles.end()) {
        match->name = newName;
        store(profiles);
    }
    co_return;
}

QCoro::Task<> ProfileLibrary::remove(QUuid id) {
    QList<DockProfile> profiles = m_model.profiles();
    if (profiles.removeIf([&](const DockProfile& profile) { return profile.id == id; }) > 0)
        store(profiles);
    co_return;
}

QCoro::Task<> ProfileLibrary::exportTo(DockProfile profile, QString path) const {
    m_service.exportProfile(profile, path);
    co_return;
}

QCoro::Task<> ProfileLibrary::importFrom(QString path) {
    QList<DockProfile> profiles = m_model.profiles();
    profiles.prepend(m_service.importProfile(path));
    store(profiles);
    co_return;
}
