// SPDX-License-Identifier: MIT
#include "ListEntryMaps.h"

#include <QVariantList>

using namespace Qt::StringLiterals;

namespace {

void insertSettings(QVariantMap& map, const DockConfiguration& configuration) {
    map.insert(u"dockSize"_s, configuration.dockSize);
    map.insert(u"magnification"_s, configuration.magnification);
    map.insert(u"magnificationSize"_s, configuration.magnificationSize);
    map.insert(u"autoHide"_s, configuration.autoHide);
    map.insert(u"fastAutoHide"_s, configuration.fastAutoHide);
    map.insert(u"showRecentApps"_s, configuration.showRecentApps);
    map.insert(u"minimizeToApplication"_s, configuration.minimizeToApplication);
    map.insert(u"showHidden"_s, configuration.showHidden);
    map.insert(u"showOnlyRunningApps"_s, configuration.showOnlyRunningApps);
    map.insert(u"showProcessIndicators"_s, configuration.showProcessIndicators);
    map.insert(u"orientation"_s, rawValue(configuration.orientation));
    map.insert(u"minimizeEffect"_s, rawValue(configuration.minimizeEffect));
}

} // namespace

QString ListEntryMaps::idText(const QUuid& id) {
    return id.toString(QUuid::WithoutBraces);
}

QUuid ListEntryMaps::idFromText(const QString& text) {
    return QUuid::fromString(text.trimmed());
}

QVariantMap ListEntryMaps::profileMap(const DockProfile& profile) {
    QVariantMap map{
        {u"id"_s, idText(profile.id)},
        {u"name"_s, profile.name},
        {u"icon"_s, profile.icon},
        {u"createdAt"_s, profile.createdAt},
        {u"hasPlistData"_s, profile.plistData.has_value()},
    };
    insertSettings(map, profile);
    return map;
}

QVariantMap ListEntryMaps::scheduleMap(const DockSchedule& schedule) {
    QVariantList days;
    for (Weekday day : schedule.days)
        days.append(rawValue(day));
    QVariantMap map{
        {u"id"_s, idText(schedule.id)},
        {u"profileID"_s, idText(schedule.profileID)},
        {u"hour"_s, schedule.hour},
        {u"minute"_s, schedule.minute},
        {u"days"_s, days},
        {u"isEnabled"_s, schedule.isEnabled},
        {u"timeString"_s, schedule.timeString()},
        {u"daysSummary"_s, schedule.daysSummary()},
    };
    if (schedule.lastAppliedDate)
        map.insert(u"lastAppliedDate"_s, schedule.lastAppliedDate->toDateTime());
    return map;
}

QVariantMap ListEntryMaps::presetMap(const DockPreset& preset) {
    QVariantMap map{
        {u"id"_s, idText(preset.id)},
        {u"name"_s, preset.name},
        {u"description"_s, preset.description},
        {u"icon"_s, preset.icon},
    };
    insertSettings(map, preset);
    return map;
}

DockSchedule ListEntryMaps::scheduleFromMap(const QVariantMap& map) {
    DockSchedule schedule;
    if (const QUuid id = idFromText(map.value(u"id"_s).toString()); !id.isNull())
        schedule.id = id;
    schedule.profileID = idFromText(map.value(u"profileID"_s).toString());
    schedule.hour = map.value(u"hour"_s).toInt();
    schedule.minute = map.value(u"minute"_s).toInt();
    for (const QVariant& day : map.value(u"days"_s).toList()) {
        if (const std::optional<Weekday> weekday = weekdayFromRawValue(day.toInt()))
            schedule.days.insert(*weekday);
    }
    schedule.isEnabled = map.value(u"isEnabled"_s, true).toBool();
    // The editor leaves the date out on purpose, so that a saved schedule may fire again at once;
    // the enable switch sends it back unchanged.
    if (const QDateTime applied = map.value(u"lastAppliedDate"_s).toDateTime(); applied.isValid())
        schedule.lastAppliedDate = applied;
    return schedule;
}
