// SPDX-License-Identifier: MIT
#include "ProfileCoder.h"

#include "StrictJson.h"
#include "common/Error.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace {

const auto idKey = u"id"_s;
const auto nameKey = u"name"_s;
const auto iconKey = u"icon"_s;
const auto createdAtKey = u"createdAt"_s;
const auto dockSizeKey = u"dockSize"_s;
const auto magnificationKey = u"magnification"_s;
const auto magnificationSizeKey = u"magnificationSize"_s;
const auto autoHideKey = u"autoHide"_s;
const auto fastAutoHideKey = u"fastAutoHide"_s;
const auto showRecentAppsKey = u"showRecentApps"_s;
const auto minimizeToApplicationKey = u"minimizeToApplication"_s;
const auto showHiddenKey = u"showHidden"_s;
const auto showOnlyRunningAppsKey = u"showOnlyRunningApps"_s;
const auto showProcessIndicatorsKey = u"showProcessIndicators"_s;
const auto orientationKey = u"orientation"_s;
const auto minimizeEffectKey = u"minimizeEffect"_s;
const auto plistDataKey = u"plistData"_s;

// QJsonObject keeps its keys sorted, so the written objects come out in sorted key order.
QJsonObject toJson(const DockProfile& profile) {
    QJsonObject object{
        {idKey, StrictJson::uuidText(profile.id)},
        {nameKey, profile.name},
        {iconKey, profile.icon},
        {createdAtKey, StrictJson::internetDateText(profile.createdAt, createdAtKey)},
        {dockSizeKey, profile.dockSize},
        {magnificationKey, profile.magnification},
        {magnificationSizeKey, profile.magnificationSize},
        {autoHideKey, profile.autoHide},
        {fastAutoHideKey, profile.fastAutoHide},
        {showRecentAppsKey, profile.showRecentApps},
        {minimizeToApplicationKey, profile.minimizeToApplication},
        {showHiddenKey, profile.showHidden},
        {showOnlyRunningAppsKey, profile.showOnlyRunningApps},
        {showProcessIndicatorsKey, profile.showProcessIndicators},
        {orientationKey, rawValue(profile.orientation)},
        {minimizeEffectKey, rawValue(profile.minimizeEffect)},
    };
    if (profile.plistData)
        object.insert(plistDataKey, QString::fromLatin1(profile.plistData->toBase64()));
    return object;
}

DockProfile fromJson(const QJsonValue& value) {
    if (!value.isObject())
        throw Error(u"a profile is not a JSON object"_s);
    const QJsonObject object = value.toObject();
    DockProfile profile;
    profile.id = StrictJson::uuid(object, idKey);
    profile.name = StrictJson::string(object, nameKey);
    profile.icon = StrictJson::string(object, iconKey);
    profile.createdAt = StrictJson::internetDate(object, createdAtKey);
    profile.dockSize = StrictJson::integer(object, dockSizeKey);
    profile.magnification = StrictJson::boolean(object, magnificationKey);
    profile.magnificationSize = StrictJson::integer(object, magnificationSizeKey);
    profile.autoHide = StrictJson::boolean(object, autoHideKey);
    profile.fastAutoHide = StrictJson::boolean(object, fastAutoHideKey);
    profile.showRecentApps = StrictJson::boolean(object, showRecentAppsKey);
    profile.minimizeToApplication = StrictJson::boolean(object, minimizeToApplicationKey);
    profile.showHidden = StrictJson::boolean(object, showHiddenKey);
    profile.showOnlyRunningApps = StrictJson::boolean(object, showOnlyRunningAppsKey);
    profile.showProcessIndicators = StrictJson::boolean(object, showProcessIndicatorsKey);
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

} // namespace

QByteArray ProfileCoder::encodeList(const QList<DockProfile>& profiles) {
    QJsonArray array;
    for (const DockProfile& profile : profiles)
        array.append(toJson(profile));
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

QByteArray ProfileCoder::encodeOne(const DockProfile& profile) {
    return QJsonDocument(toJson(profile)).toJson(QJsonDocument::Indented);
}

QList<DockProfile> ProfileCoder::decodeList(const QByteArray& json) {
    const QJsonDocument document = StrictJson::parse(json);
    if (!document.isArray())
        throw Error(u"the file does not hold a list of profiles"_s);
    QList<DockProfile> profiles;
    for (const QJsonValue& value : document.array())
        profiles.append(fromJson(value));
    return profiles;
}

DockProfile ProfileCoder::decodeOne(const QByteArray& json) {
    const QJsonDocument document = StrictJson::parse(json);
    if (!document.isObject()) {
        throw Error(document.isArray() ? u"the file holds a list, not a single profile"_s
                                       : u"the file does not hold a profile"_s);
    }
    return fromJson(document.object());
}

bool ProfileCoder::decodesAsList(const QByteArray& json) {
    try {
        (void)decodeList(json);
        return true;
    } catch (const Error&) {
        return false;
    }
}
