// SPDX-License-Identifier: MIT
#pragma once

#include "DockSchedule.h"

#include <QByteArray>
#include <QList>

// The JSON of the schedules file: a compact array, days as their raw numbers, the last-applied date
// as seconds since 2001-01-01T00:00:00Z. Decoding throws an Error saying what is wrong; one bad
// schedule fails the whole file.
class ScheduleCoder {
public:
    [[nodiscard]] static QByteArray encodeList(const QList<DockSchedule>& schedules);
    [[nodiscard]] static QList<DockSchedule> decodeList(const QByteArray& json);
    [[nodiscard]] static bool decodesAsList(const QByteArray& json);
};
