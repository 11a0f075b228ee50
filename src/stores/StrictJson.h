// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QUuid>

#include <optional>

// Reads the fields of the stores' JSON objects without any coercion: a missing or mistyped field
// throws an Error that names the key, so one bad record fails the whole file.
class StrictJson {
public:
    // The whole document; the message says why text is not JSON at all.
    [[nodiscard]] static QJsonDocument parse(const QByteArray& json);

    [[nodiscard]] static QJsonValue required(const QJsonObject& object, const QString& key);
    [[nodiscard]] static QString string(const QJsonObject& object, const QString& key);
    [[nodiscard]] static bool boolean(const QJsonObject& object, const QString& key);
    // A JSON number whose value is whole; 48.0 is accepted as 48, 48.5 is not.
    [[nodiscard]] static qint64 integer(const QJsonObject& object, const QString& key);
    [[nodiscard]] static double number(const QJsonValue& value, const QString& key);
    // The canonical 8-4-4-4-12 form in either case; braces are refused.
    [[nodiscard]] static QUuid uuid(const QJsonObject& object, const QString& key);
    // RFC 3339 without fractional seconds, such as 2025-03-14T09:30:05Z, and writable.
    [[nodiscard]] static QDateTime internetDate(const QJsonObject& object, const QString& key);
    // Padded standard Base64, nothing else.
    [[nodiscard]] static QByteArray base64(const QJsonValue& value, const QString& key);

    // Upper case, without braces.
    [[nodiscard]] static QString uuidText(const QUuid& id);
    // Valid, and in the years 0001 to 9999 in UTC, the only ones the four-digit form can hold.
    [[nodiscard]] static bool isWritable(const QDateTime& date);
    // In UTC without fractional seconds; throws for a date that is not writable rather than write an
    // unreadable file.
    [[nodiscard]] static QString internetDateText(const QDateTime& date, const QString& key);

    // `sentence` names the key as %1, so that a translation can put it where its grammar wants it.
    [[noreturn]] static void fail(const QString& key, const QString& sentence);
};
