// SPDX-License-Identifier: MIT
#pragma once

#include "RecordListModel.h"
#include "stores/DockPreset.h"

// The built-in presets in catalogue order, with their cards' accent colour and badges; it never
// changes.
class PresetListModel : public RecordListModel {
    Q_OBJECT

public:
    // The names are the delegates' required properties.
    enum Role {
        IdRole = Qt::UserRole + 1, // "presetId": the fixed identity as text, without braces
        NameRole,                  // "name"
        DescriptionRole,           // "description"
        IconRole,                  // "icon"
        AccentRole,                // "accent": the theme colour's name, "green", "purple", "orange" or "blue"
        BadgesRole,                // "badges": "Size 48px", "Left", and "Auto-hide" when it is on
    };
    Q_ENUM(Role)

    using RecordListModel::RecordListModel;

    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QHash<int, QByteArray> roleNames() const override;

protected:
    [[nodiscard]] int size() const override;
    [[nodiscard]] QString idAt(int row) const override;
};
