// SPDX-License-Identifier: MIT
#pragma once

#include "RecordListModel.h"

#include <QStringList>

// The backup files, newest first, each with the name its row shows.
class BackupListModel : public RecordListModel {
    Q_OBJECT

public:
    // The names are the delegates' required properties.
    enum Role {
        PathRole = Qt::UserRole + 1, // "path": the absolute path, which identifies the backup
        FileNameRole,                // "fileName": the last part of the path
        DisplayNameRole,             // "displayName": "Mar 14, 2025 at 09:30:05", or the file name
                                     // without its extension when it holds no time stamp
    };
    Q_ENUM(Role)

    using RecordListModel::RecordListModel;

    [[nodiscard]] const QStringList& paths() const noexcept { return m_paths; }
    void setPaths(const QStringList& paths);

    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QHash<int, QByteArray> roleNames() const override;

protected:
    [[nodiscard]] int size() const override { return int(m_paths.size()); }
    [[nodiscard]] QString idAt(int row) const override { return m_paths.at(row); }

private:
    QStringList m_paths;
};
