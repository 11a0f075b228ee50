// SPDX-License-Identifier: MIT
#include "ProfileListModel.h"

#include "DisplayText.h"

#include <algorithm>

using namespace Qt::StringLiterals;

void ProfileListModel::setProfiles(const QList<DockProfile>& profiles) {
    replaceRows(m_profiles, profiles, [](const DockProfile& profile) { return profile.id; });
}

std::optional<DockProfile> ProfileListModel::profile(const QUuid& id) const {
    const auto match = std::find_if(m_profiles.begin(), m_profiles.end(),
                                    [&](const DockProfile& candidate) { return candidate.id == id; });
    if (id.isNull() || match == m_profiles.end())
        return std::nullopt;
    return *match;
}

QString ProfileListModel::idAt(int row) const {
    return m_profiles.at(row).id.toString(QUuid::WithoutBraces);
}

QVariant ProfileListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const DockProfile& profile = m_profiles.at(index.row());
    switch (role) {
    case IdRole:
        return idAt(index.row());
    case NameRole:
        return profile.name;
    case IconRole:
        return profile.icon;
    case CapturedTextRole:
        return tr("Captured %1").arg(DisplayText::mediumDate(profile.createdAt.toLocalTime().date()));
    case BadgesRole:
        return DisplayText::badges(profile);
    default:
        return {};
    }
}

QHash<int, QByteArray> ProfileListModel::roleNames() const {
    return {{IdRole, "profileId"},
            {NameRole, "name"},
            {IconRole, "icon"},
            {CapturedTextRole, "capturedText"},
            {BadgesRole, "badges"}};
}
