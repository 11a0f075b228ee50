// SPDX-License-Identifier: MIT
#pragma once

#include "TestFiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

// The hand-written files in tests/data/stores and the copies a store keeps aside.
namespace StoreTestFiles {

using TestFiles::content;
using TestFiles::write;

inline QByteArray data(const QString& name) {
    return content(QStringLiteral(BERTHWISE_STORES_TEST_DATA) + u'/' + name);
}

// The hand-written list `name` with `key` of its first record set to `value`, or removed when
// `value` is undefined.
inline QByteArray withFirst(const QString& name, const QString& key, const QJsonValue& value) {
    QJsonArray records = QJsonDocument::fromJson(data(name)).array();
    QJsonObject first = records.first().toObject();
    if (value.isUndefined())
        first.remove(key);
    else
        first.insert(key, value);
    records.replace(0, first);
    return QJsonDocument(records).toJson();
}

// The content of the one copy kept aside of the store file at `path`, named
// "<name>.unreadable-yyyyMMdd-HHmmss"; when there is not exactly one such copy, the names found instead.
inline QByteArray keptAside(const QString& path) {
    const QFileInfo store(path);
    const QStringList copies = store.absoluteDir().entryList({store.fileName() + QStringLiteral(".*")});
    const QRegularExpression name(u'^' + QRegularExpression::escape(store.fileName()) +
                                  QStringLiteral("\\.unreadable-[0-9]{8}-[0-9]{6}$"));
    if (copies.size() != 1 || !name.match(copies.first()).hasMatch())
        return "copies: " + copies.join(u' ').toUtf8();
    return content(store.absoluteDir().filePath(copies.first()));
}

} // namespace StoreTestFiles
