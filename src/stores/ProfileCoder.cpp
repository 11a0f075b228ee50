// SPDX-License-Identifier: MIT
#include "ProfileCoder.h"

#include "StrictJson.h"
#include "common/Error.h"
#include "model/DockSetting.h"

#include <QCoreApplication>
#include <QJsonDocument>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

// Every key is its field's name.
constexpr std::pair<QStringView, QString DockProfile::*> texts[]{
    {u"name", &DockProfile::name},
    {u"icon", &DockProfile::icon},
};

const auto idKey = u"id"_s;
const auto createdAtKey = u"createdAt"_s;
const auto plistDataKey = u"plistData"_s;

// "\"%1\" is not "left", "bottom" or "right"", the key left as %1 for StrictJson::fail.
QString notOneOf(const QStringList& choices) {
    QStringList quoted;
    for (const QString& choice : choices)
        quoted.append(u'"' + choice + u'"');
    const QString last = quoted.takeLast();
    // All three at once, so that %1 is put back as it was.
    return QCoreApplication::translate("ProfileCoder", "\"%1\" is not %2 or %3")
        .arg(u"%1"_s, quoted.join(u", "_s), last);
}

} // namespace

// QJsonObject keeps its keys sorted, so the written objects come out in sorted key order.
QJsonObject ProfileCoder::encode(const DockProfile& profile) {
    QJsonObject object{
        {idKey, StrictJson::uuidText(profile.id)},
        {createdAtKey, StrictJson::internetDateText(profile.createdAt, createdAtKey)},
    };
    for (const auto& [key, field] : texts)
        object.insert(key, profile.*field);
    // Numbers, booleans and raw values' texts are each the JSON value of their kind.
    for (const DockSetting& setting : DockSetting::all())
        object.insert(setting.profileField, QJsonValue::fromVariant(setting.valueIn(profile)));
    if (profile.plistData)
        object.insert(plistDataKey, QString::fromLatin1(profile.plistData->toBase64()));
    return object;
}

DockProfile ProfileCoder::decode(const QJsonObject& object) {
    DockProfile profile;
    profile.id = StrictJson::uuid(object, idKey);
    profile.createdAt = StrictJson::internetDate(object, createdAtKey);
    for (const auto& [key, field] : texts)
        profile.*field = StrictJson::string(object, key.toString());
    for (const DockSetting& setting : DockSetting::all()) {
        const QString key = setting.profileField.toString();
        switch (setting.kind) {
        case DockSetting::integer:
            setting.setIn(profile, StrictJson::integer(object, key));
            break;
        case DockSetting::boolean:
        case DockSetting::fastAutoHide:
            setting.setIn(profile, StrictJson::boolean(object, key));
            break;
        case DockSetting::text:
            if (!setting.setIn(profile, StrictJson::string(object, key)))
                StrictJson::fail(key, notOneOf(setting.choices()));
            break;
        }
    }
    // An explicit null is read as absent, the way an optional value is usually left out.
    if (const QJsonValue data = object.value(plistDataKey); !data.isUndefined() && !data.isNull())
        profile.plistData = StrictJson::base64(data, plistDataKey);
    return profile;
}

QByteArray ProfileCoder::encodeOne(const DockProfile& profile) {
    return QJsonDocument(encode(profile)).toJson(QJsonDocument::Indented);
}

DockProfile ProfileCoder::decodeOne(const QByteArray& json) {
    const QJsonDocument document = StrictJson::parse(json);
    if (!document.isObject()) {
        throw Error(
            document.isArray()
                ? QCoreApplication::translate("ProfileCoder", "the file holds a list, not a single profile")
                : QCoreApplication::translate("ProfileCoder", "the file does not hold a profile"));
    }
    return decode(document.object());
}
