// SPDX-License-Identifier: MIT
#pragma once

#include "RecordListModel.h"
#include "stores/DockProfile.h"

#include <optional>

// The saved profiles, newest first, with the texts their cards show.
class ProfileListModel : public RecordListModel {
    Q_OBJECT

public:
    // The names are the delegates' required properties.
    enum Role {
        IdRole = Qt::UserRole + 1, // "profileId": the identity as text, without braces
        NameRole,                  // "name"
        IconRole,                  // "icon": the symbol chosen at capture
        CapturedTextRole,          // "capturedText": "Captured " and the creation date, medium style
        BadgesRole,                // "badges": "Size 48px", "Left", and "Auto-hide" when it is on
    };
    Q_ENUM(Role)

    using RecordListModel::RecordListModel;

    [[nodiscard]] const QList<DockProfile>& profiles() const noexcept { return m_profiles; }
    void setProfiles(const QList<DockProfile>& profiles);
    [[nodiscard]] std::optional<DockProfile> profile(const QUuid& id) const;

    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QHash<int, QByteArray> roleNames() const override;

protected:
    [[nodiscard]] int size() const override { return int(m_profiles.size()); }
    [[nodiscard]] QString idAt(int row) const override;

private:
    QList<DockProfile> m_profiles;
};
