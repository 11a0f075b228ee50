// SPDX-License-Identifier: MIT
#include "Weekday.h"

using namespace Qt::StringLiterals;

std::optional<Weekday> weekdayFromRawValue(int raw) {
    if (raw < rawValue(Weekday::sunday) || raw > rawValue(Weekday::saturday))
        return std::nullopt;
    return static_cast<Weekday>(raw);
}

QString fullName(Weekday day) {
    switch (day) {
    case Weekday::sunday:
        return u"Sunday"_s;
    case Weekday::monday:
        return u"Monday"_s;
    case Weekday::tuesday:
        return u"Tuesday"_s;
    case Weekday::wednesday:
        return u"Wednesday"_s;
    case Weekday::thursday:
        return u"Thursday"_s;
    case Weekday::friday:
        return u"Friday"_s;
    case Weekday::saturday:
        return u"Saturday"_s;
    }
    Q_UNREACHABLE();
    return {};
}

QString initial(Weekday day) {
    return fullName(day).left(1);
}
