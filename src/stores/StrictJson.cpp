// SPDX-License-Identifier: MIT
#include "StrictJson.h"

#include "common/Error.h"

#include <QCoreApplication>
#include <QJsonParseError>
#include <QRegularExpression>

#include <cmath>

using namespace Qt::StringLiterals;

QJsonDocument StrictJson::parse(const QByteArray& json) {
    QJsonParseError error;
    QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        throw Error(QCoreApplication::translate("StrictJson", "the file is not valid JSON (%1 at offset %2)")
                        .arg(error.errorString(), QString::number(error.offset)));
    return document;
}

void StrictJson::fail(const QString& key, const QString& sentence) {
    throw Error(sentence.arg(key));
}

QJsonValue StrictJson::required(const QJsonObject& object, const QString& key) {
    const auto found = object.constFind(key);
    if (found == object.constEnd())
        fail(key, QCoreApplication::translate("StrictJson", "\"%1\" is missing"));
    return *found;
}

QString StrictJson::string(const QJsonObject& object, const QString& key) {
    const QJsonValue value = required(object, key);
    if (!value.isString())
        fail(key, QCoreApplication::translate("StrictJson", "\"%1\" is not a text"));
    return value.toString();
}

bool StrictJson::boolean(const QJsonObject& object, const QString& key) {
    const QJsonValue value = required(object, key);
    if (!value.isBool())
        fail(key, QCoreApplication::translate("StrictJson", "\"%1\" is not true or false"));
    return value.toBool();
}

double StrictJson::number(const QJsonValue& value, const QString& key) {
    if (!value.isDouble())
        fail(key, QCoreApplication::translate("StrictJson", "\"%1\" is not a number"));
    return value.toDouble();
}

qint64 StrictJson::integer(const QJsonObject& object, const QString& key) {
    const double value = number(required(object, key), key);
    // 2^63 is exactly representable; anything at or beyond it would overflow the conversion.
    constexpr double limit = 9223372036854775808.0;
    if (std::trunc(value) != value || value < -limit || value >= limit)
        fail(key, QCoreApplication::translate("StrictJson", "\"%1\" is not a whole number"));
    return static_cast<qint64>(value);
}

QUuid StrictJson::uuid(const QJsonObject& object, const QString& key) {
    static const QRegularExpression canonical(
        u"^[0-9A-Fa-f]{8}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{12}$"_s);
    const QJsonValue value = required(object, key);
    if (!value.isString() || !canonical.match(value.toString()).hasMatch())
        fail(key, QCoreApplication::translate(
                      "StrictJson", "\"%1\" is not an identifier like 9F1C6B2E-4D3A-4B8E-9C71-2A5F0E8D3B47"));
    return QUuid::fromString(value.toString());
}

QDateTime StrictJson::internetDate(const QJsonObject& object, const QString& key) {
    // Qt's own ISO parser is lenient (fractions, missing zones), so the shape is checked first.
    static const QRegularExpression form(
        u"^[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2}(Z|[+-][0-9]{2}:[0-9]{2})$"_s);
    const QJsonValue value = required(object, key);
    QDateTime date;
    if (value.isString() && form.match(value.toString()).hasMatch())
        date = QDateTime::fromString(value.toString(), Qt::ISODate);
    // A date the writer cannot put back, such as one that leaves the years 0001 to 9999 once moved
    // to UTC, is refused here rather than lost at the next save.
    if (!isWritable(date))
        fail(key,
             QCoreApplication::translate("StrictJson", "\"%1\" is not a date like 2025-03-14T09:30:05Z"));
    return date.toUTC();
}

QByteArray StrictJson::base64(const QJsonValue& value, const QString& key) {
    if (value.isString()) {
        const QString text = value.toString();
        // Qt accepts missing padding; the files always carry it.
        if (text.size() % 4 == 0) {
            auto decoded =
                QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
            if (decoded)
                return *decoded;
        }
    }
    fail(key, QCoreApplication::translate("StrictJson", "\"%1\" is not Base64 data"));
}

QString StrictJson::uuidText(const QUuid& id) {
    return id.toString(QUuid::WithoutBraces).toUpper();
}

bool StrictJson::isWritable(const QDateTime& date) {
    if (!date.isValid())
        return false;
    const int year = date.toUTC().date().year();
    return year >= 1 && year <= 9999;
}

QString StrictJson::internetDateText(const QDateTime& date, const QString& key) {
    if (!isWritable(date))
        fail(key, QCoreApplication::translate("StrictJson", "\"%1\" has no date to write"));
    return date.toUTC().toString(Qt::ISODate);
}
