// SPDX-License-Identifier: MIT
#include "Weekday.h"

#include "model/EnumTable.h"

#include <QStringView>

namespace {

constexpr EnumTable<Weekday, QStringView, 7> weekdayNames{
    {Weekday::sunday, u"Sunday"},       {Weekday::monday, u"Monday"},     {Weekday::tuesday, u"Tuesday"},
    {Weekday::wednesday, u"Wednesday"}, {Weekday::thursday, u"Thursday"}, {Weekday::friday, u"Friday"},
    {Weekday::saturday, u"Saturday"}};

} // namespace

std::optional<Weekday> weekdayFromRawValue(int raw) {
    if (raw < rawValue(Weekday::sunday) || raw > rawValue(Weekday::saturday))
        return std::nullopt;
    return static_cast<Weekday>(raw);
}

QString fullName(Weekday day) {
    return valueOf(weekdayNames, day).toString();
}

QString initial(Weekday day) {
    return fullName(day).left(1);
}
