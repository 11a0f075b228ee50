// SPDX-License-Identifier: MIT
#include "DockSchedule.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <QTime>

using namespace Qt::StringLiterals;

QString DockSchedule::timeString() const {
    //: A time format of QTime::toString: h hours, mm minutes, AP "AM" or "PM" (written in English).
    //: A 24-hour clock is "HH:mm".
    const QString format = QCoreApplication::translate("DockSchedule", "h:mm AP");
    return QLocale::c().toString(QTime(hour, minute), format);
}

QString DockSchedule::daysSummary() const {
    using enum Weekday;
    if (days.size() == allWeekdays.size())
        return QCoreApplication::translate("DockSchedule", "Every day");
    if (days == std::set{monday, tuesday, wednesday, thursday, friday})
        return QCoreApplication::translate("DockSchedule", "Weekdays");
    if (days == std::set{saturday, sunday})
        return QCoreApplication::translate("DockSchedule", "Weekends");
    // std::set already holds the days in calendar order, Sunday first.
    const bool few = days.size() < 4;
    QStringList parts;
    for (Weekday day : days)
        parts.append(few ? fullName(day) : initial(day));
    return parts.join(few ? u", "_s : u" "_s);
}
