// SPDX-License-Identifier: MIT
#pragma once

#include "DockSchedule.h"

#include <QJsonObject>

// The JSON of a schedule as an element of the schedules file: days as their raw numbers, the
// last-applied date as seconds since 2001-01-01T00:00:00Z. Decoding throws an Error saying what is
// wrong.
class ScheduleCoder {
public:
    [[nodiscard]] static QJsonObject encode(const DockSchedule& schedule);
    [[nodiscard]] static DockSchedule decode(const QJsonObject& object);
};
