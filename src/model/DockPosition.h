// SPDX-License-Identifier: MIT
#pragma once

#include "EnumTable.h"

#include <QString>
#include <QStringView>

#include <optional>

// The screen edge the Dock sits on; the raw value is also its stored form.
enum class DockPosition { left, bottom, right };

inline constexpr EnumTable<DockPosition, QStringView, 3> dockPositionRawValues{
    {DockPosition::left, u"left"}, {DockPosition::bottom, u"bottom"}, {DockPosition::right, u"right"}};

[[nodiscard]] inline QString rawValue(DockPosition position) {
    return valueOf(dockPositionRawValues, position).toString();
}
// Exact, case-sensitive match of a raw value.
[[nodiscard]] inline std::optional<DockPosition> dockPositionFromRawValue(QStringView raw) {
    return caseOf(dockPositionRawValues, raw);
}
