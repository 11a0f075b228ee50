// SPDX-License-Identifier: MIT
#include "ScheduleCoder.h"

#include "StrictJson.h"
#include "common/Error.h"

#include <QCoreApplication>
#include <QJsonArray>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

const auto idKey = u"id"_s;
const auto profileIDKey = u"profileID"_s;
const auto hourKey = u"hour"_s;
const auto minuteKey = u"minute"_s;
const auto daysKey = u"days"_s;
const auto isEnabledKey = u"isEnabled"_s;
const auto lastAppliedDateKey = u"lastAppliedDate"_s;

int smallInteger(const QJsonObject& object, const QString& key) {
    const qint64 value = StrictJson::integer(object, key);
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        StrictJson::fail(key, QCoreApplication::translate("ScheduleCoder", "\"%1\" is out of range"));
    return int(value);
}

} // namespace

QJsonObject ScheduleCoder::encode(const DockSchedule& schedule) {
    QJsonArray days;
    for (Weekday day : schedule.days)
        days.append(rawValue(day));
    QJsonObject object{
        {idKey, StrictJson::uuidText(schedule.id)},
        {profileIDKey, StrictJson::uuidText(schedule.profileID)},
        {hourKey, schedule.hour},
        {minuteKey, schedule.minute},
        {daysKey, days},
        {isEnabledKey, schedule.isEnabled},
    };
    if (schedule.lastAppliedDate) {
        if (!schedule.lastAppliedDate->isStorable())
            StrictJson::fail(lastAppliedDateKey,
                             QCoreApplication::translate("ScheduleCoder", "\"%1\" has no date to write"));
        object.insert(lastAppliedDateKey, schedule.lastAppliedDate->seconds);
    }
    return object;
}

DockSchedule ScheduleCoder::decode(const QJsonObject& object) {
    DockSchedule schedule;
    schedule.id = StrictJson::uuid(object, idKey);
    schedule.profileID = StrictJson::uuid(object, profileIDKey);
    schedule.hour = smallInteger(object, hourKey);
    schedule.minute = smallInteger(object, minuteKey);
    const QJsonValue days = StrictJson::required(object, daysKey);
    if (!days.isArray())
        StrictJson::fail(daysKey,
                         QCoreApplication::translate("ScheduleCoder", "\"%1\" is not a list of days"));
    for (const QJsonValue& day : days.toArray()) {
        const double raw = StrictJson::number(day, daysKey);
        const auto weekday =
            std::trunc(raw) == raw && std::abs(raw) < 100 ? weekdayFromRawValue(int(raw)) : std::nullopt;
        if (!weekday)
            StrictJson::fail(
                daysKey, QCoreApplication::translate(
                             "ScheduleCoder", "\"%1\" holds a day other than 1 (Sunday) to 7 (Saturday)"));
        schedule.days.insert(*weekday);
    }
    schedule.isEnabled = StrictJson::boolean(object, isEnabledKey);
    if (const QJsonValue date = object.value(lastAppliedDateKey); !date.isUndefined() && !date.isNull()) {
        const ReferenceSeconds applied(StrictJson::number(date, lastAppliedDateKey));
        if (!applied.isStorable())
            StrictJson::fail(lastAppliedDateKey,
                             QCoreApplication::translate("ScheduleCoder", "\"%1\" is out of range"));
        schedule.lastAppliedDate = applied;
    }
    return schedule;
}
