// SPDX-License-Identifier: MIT
#include "PresetListModel.h"

#include "DisplayText.h"

int PresetListModel::size() const {
    return int(DockPreset::builtInPresets().size());
}

QString PresetListModel::idAt(int row) const {
    return DockPreset::builtInPresets().at(row).id.toString(QUuid::WithoutBraces);
}

QVariant PresetListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const DockPreset& preset = DockPreset::builtInPresets().at(index.row());
    switch (role) {
    case IdRole:
        return idAt(index.row());
    case NameRole:
        return DisplayText::presetName(preset);
    case DescriptionRole:
        return DisplayText::presetDescription(preset);
    case IconRole:
        return preset.icon;
    case AccentRole:
        return DisplayText::accent(preset.icon);
    case BadgesRole:
        return DisplayText::badges(preset);
    default:
        return {};
    }
}

QHash<int, QByteArray> PresetListModel::roleNames() const {
    return {{IdRole, "presetId"}, {NameRole, "name"},     {DescriptionRole, "description"},
            {IconRole, "icon"},   {AccentRole, "accent"}, {BadgesRole, "badges"}};
}
