// SPDX-License-Identifier: MIT
#include "DockSchedule.h"

#include <QStringList>

using namespace Qt::StringLiterals;

QString DockSchedule::timeString() const {
    const int twelveHour = hour % 12 == 0 ? 12 : hour % 12;
    return u"%1:%2 %3"_s.arg(twelveHour).arg(minute, 2, 10, QChar(u'0')).arg(hour < 12 ? u"AM"_s : u"PM"_s);
}

QString DockSchedule::daysSummary() const {
    using enum Weekday;
    if (days.size() == allWeekdays.size())
        return u"Every day"_s;
    if (days == std::set{monday, tuesday, wednesday, thursday, friday})
        return u"Weekdays"_s;
    if (days == std::set{saturday, sunday})
        return u"Weekends"_s;
    // std::set already holds the days in calendar order, Sunday first.
    const bool few = days.size() < 4;
    QStringList parts;
    for (Weekday day : days)
        parts.append(few ? fullName(day) : initial(day));
    return parts.join(few ? u", "_s : u" "_s);
}
