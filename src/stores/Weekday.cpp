// SPDX-License-Identifier: MIT
#include "Weekday.h"

#include "model/EnumTable.h"

#include <QCoreApplication>

namespace {

constexpr EnumTable<Weekday, const char*, 7> weekdayNames{
    {Weekday::sunday, QT_TRANSLATE_NOOP("Weekday", "Sunday")},
    {Weekday::monday, QT_TRANSLATE_NOOP("Weekday", "Monday")},
    {Weekday::tuesday, QT_TRANSLATE_NOOP("Weekday", "Tuesday")},
    {Weekday::wednesday, QT_TRANSLATE_NOOP("Weekday", "Wednesday")},
    {Weekday::thursday, QT_TRANSLATE_NOOP("Weekday", "Thursday")},
    {Weekday::friday, QT_TRANSLATE_NOOP("Weekday", "Friday")},
    {Weekday::saturday, QT_TRANSLATE_NOOP("Weekday", "Saturday")}};

} // namespace

std::optional<Weekday> weekdayFromRawValue(int raw) {
    if (raw < rawValue(Weekday::sunday) || raw > rawValue(Weekday::saturday))
        return std::nullopt;
    return static_cast<Weekday>(raw);
}

QString fullName(Weekday day) {
    return QCoreApplication::translate("Weekday", valueOf(weekdayNames, day));
}

QString initial(Weekday day) {
    return fullName(day).left(1);
}
