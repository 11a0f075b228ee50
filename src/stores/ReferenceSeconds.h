// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>

// A moment as the schedules file stores it: seconds since 2001-01-01T00:00:00Z, kept exactly as read,
// so that writing a file back never moves one of its dates.
struct ReferenceSeconds {
    double seconds = 0;

    ReferenceSeconds() = default;
    explicit ReferenceSeconds(double value)
        : seconds(value) {}
    // Implicit, so that a moment of the clock can be kept where a schedule keeps its dates; an
    // invalid moment gives a value that is not storable.
    ReferenceSeconds(const QDateTime& moment);

    // Finite and far enough from the origin that every conversion stays exact and in range.
    [[nodiscard]] bool isStorable() const;
    // Rounded down to the millisecond, so that a moment never lands in the next minute; invalid for
    // a value that is not storable.
    [[nodiscard]] QDateTime toDateTime() const;

    bool operator==(const ReferenceSeconds&) const = default;
};
