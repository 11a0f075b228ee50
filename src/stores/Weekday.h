// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <array>
#include <optional>

// A day of the week, numbered as the Gregorian calendar does (Sunday is 1).
enum class Weekday { sunday = 1, monday, tuesday, wednesday, thursday, friday, saturday };

inline constexpr std::array allWeekdays{Weekday::sunday,    Weekday::monday,   Weekday::tuesday,
                                        Weekday::wednesday, Weekday::thursday, Weekday::friday,
                                        Weekday::saturday};

[[nodiscard]] constexpr int rawValue(Weekday day) {
    return static_cast<int>(day);
}
// Accepts 1 to 7.
[[nodiscard]] std::optional<Weekday> weekdayFromRawValue(int raw);
// "Sunday" ... "Saturday".
[[nodiscard]] QString fullName(Weekday day);
// "S", "M", "T", "W", "T", "F", "S".
[[nodiscard]] QString initial(Weekday day);
