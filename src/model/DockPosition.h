// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <array>
#include <optional>

// The screen edge the Dock sits on; the raw value is also its stored form.
enum class DockPosition { left, bottom, right };

inline constexpr std::array allDockPositions{DockPosition::left, DockPosition::bottom, DockPosition::right};

[[nodiscard]] QString rawValue(DockPosition position);
// Exact, case-sensitive match of a raw value.
[[nodiscard]] std::optional<DockPosition> dockPositionFromRawValue(QStringView raw);
