// SPDX-License-Identifier: MIT
#include "ReferenceSeconds.h"

#include <cmath>
#include <limits>

namespace {
// 2001-01-01T00:00:00Z in milliseconds since the Unix epoch.
constexpr qint64 referenceMSecs = 978'307'200'000;
// Millions of years either way, yet small enough that milliseconds cannot overflow.
constexpr double largestSeconds = 1e14;
} // namespace

ReferenceSeconds::ReferenceSeconds(const QDateTime& moment)
    : seconds(moment.isValid() ? double(moment.toMSecsSinceEpoch() - referenceMSecs) / 1000.0
                               : std::numeric_limits<double>::quiet_NaN()) {}

bool ReferenceSeconds::isStorable() const {
    return std::abs(seconds) < largestSeconds;
}

QDateTime ReferenceSeconds::toDateTime() const {
    if (!isStorable())
        return {};
    // Rounding first and stepping back only past the exact value keeps a whole millisecond, which a
    // double holds only approximately, from losing one.
    qint64 msecs = qRound64(seconds * 1000.0);
    if (double(msecs) / 1000.0 > seconds)
        --msecs;
    return QDateTime::fromMSecsSinceEpoch(msecs + referenceMSecs, Qt::UTC);
}
