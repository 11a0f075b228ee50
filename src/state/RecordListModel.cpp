// SPDX-License-Identifier: MIT
#include "RecordListModel.h"

int RecordListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : size();
}

QVariantMap RecordListModel::get(int row) const {
    QVariantMap entry;
    if (row < 0 || row >= size())
        return entry;
    const QHash<int, QByteArray> roles = roleNames();
    for (auto role = roles.begin(); role != roles.end(); ++role)
        entry.insert(QString::fromUtf8(role.value()), data(index(row), role.key()));
    return entry;
}

int RecordListModel::indexOf(const QString& id) const {
    for (int row = 0; row < size(); ++row) {
        if (idAt(row) == id)
            return row;
    }
    return -1;
}
