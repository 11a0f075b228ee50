// SPDX-License-Identifier: MIT
#pragma once

#include "TestFiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <tuple>

// The hand-written files in tests/data/stores, the copies a store keeps aside, and generated files.
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

// Each member's JSON text as a user, an older version or a damaged disk might leave it: the usual
// values most of the time, an odd one now and then.
using GeneratedFields = QList<std::tuple<QByteArray, QByteArrayList, QByteArrayList>>;

// A list of one to three records with these fields, one of them left out in `missingOdds` of the
// records, so that a fair share of the files decode and the rest come close.
inline QByteArray generatedList(QRandomGenerator& random, const GeneratedFields& fields, int missingOdds) {
    QByteArrayList records;
    for (int count = random.bounded(1, 4); count > 0; --count) {
        QByteArrayList members;
        for (const auto& [key, usual, odd] : fields) {
            const QByteArrayList& from = random.bounded(32) == 0 && !odd.isEmpty() ? odd : usual;
            members.append('"' + key + "\":" + from.at(random.bounded(from.size())));
        }
        if (random.bounded(missingOdds) == 0)
            members.removeAt(random.bounded(members.size()));
        records.append('{' + members.join(',') + '}');
    }
    return '[' + records.join(',') + ']';
}

} // namespace StoreTestFiles
