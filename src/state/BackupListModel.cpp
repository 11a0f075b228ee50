// SPDX-License-Identifier: MIT
#include "BackupListModel.h"

#include "DisplayText.h"

#include <QFileInfo>

void BackupListModel::setPaths(const QStringList& paths) {
    replaceRows(m_paths, paths, [](const QString& path) { return path; });
}

QVariant BackupListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const QString& path = m_paths.at(index.row());
    switch (role) {
    case PathRole:
        return path;
    case FileNameRole:
        return QFileInfo(path).fileName();
    case DisplayNameRole:
        return DisplayText::backupName(QFileInfo(path).fileName());
    default:
        return {};
    }
}

QHash<int, QByteArray> BackupListModel::roleNames() const {
    return {{PathRole, "path"}, {FileNameRole, "fileName"}, {DisplayNameRole, "displayName"}};
}
