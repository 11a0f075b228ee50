// SPDX-License-Identifier: MIT
#include "ProfileCoder.h"

#include "StrictJson.h"
#include "common/Error.h"

#include <QJsonDocument>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

// Every key is its field's name. The fields of one kind are coded alike.
constexpr std::pair<QStringView, QString DockProfile::*> texts[]{
    {u"name", &DockProfile::name},
    {u"icon", &DockProfile::icon},
};
constexpr std::pair<QStringView, qint64 DockConfiguration::*> integers[]{
    {u"dockSize", &DockConfiguration::dockSize},
    {u"magnificationSize", &DockConfiguration::magnificationSize},
};
constexpr std::pair<QStringView, bool DockConfiguration::*> booleans[]{
    {u"magnification", &DockConfiguration::magnification},
    {u"autoHide", &DockConfiguration::autoHide},
    {u"fastAutoHide", &DockConfiguration::fastAutoHide},
    {u"showRecentApps", &DockConfiguration::showRecentApps},
    {u"minimizeToApplication", &DockConfiguration::minimizeToApplication},
    {u"showHidden", &DockConfiguration::showHidden},
    {u"showOnlyRunningApps", &DockConfiguration::showOnlyRunningApps},
    {u"showProcessIndicators", &DockConfiguration::showProcessIndicators},
};

const auto idKey = u"id"_s;
const auto createdAtKey = u"createdAt"_s;
const auto orientationKey = u"orientation"_s;
const auto minimizeEffectKey = u"minimizeEffect"_s;
const auto plistDataKey = u"plistData"_s;

} // namespace

// QJsonObject keeps its keys sorted, so the written objects come out in sorted key order.
QJsonObject ProfileCoder::encode(const DockProfile& profile) {
    QJsonObject object{
        {idKey, StrictJson::uuidText(profile.id)},
        {createdAtKey, StrictJson::internetDateText(profile.createdAt, createdAtKey)},
        {orientationKey, rawValue(profile.orientation)},
        {minimizeEffectKey, rawValue(profile.minimizeEffect)},
    };
    for (const auto& [key, field] : texts)
        object.insert(key, profile.*field);
    for (const auto& [key, field] : integers)
        object.insert(key, profile.*field);
    for (const auto& [key, field] : booleans)
        object.insert(key, profile.*field);
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
    for (const auto& [key, field] : integers)
        profile.*field = StrictJson::integer(object, key.toString());
    for (const auto& [key, field] : booleans)
        profile.*field = StrictJson::boolean(object, key.toString());
    const auto orientation = dockPositionFromRawValue(StrictJson::string(object, orientationKey));
    if (!orientation)
        StrictJson::fail(orientationKey, u"is not \"left\", \"bottom\" or \"right\""_s);
    profile.orientation = *orientation;
    const auto effect = minimizeEffectFromRawValue(StrictJson::string(object, minimizeEffectKey));
    if (!effect)
        StrictJson::fail(minimizeEffectKey, u"is not \"genie\", \"scale\" or \"suck\""_s);
    profile.minimizeEffect = *effect;
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
        throw Error(document.isArray() ? u"the file holds a list, not a single profile"_s
                                       : u"the file does not hold a profile"_s);
    }
    return decode(document.object());
}
