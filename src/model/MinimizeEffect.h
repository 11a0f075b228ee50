// SPDX-License-Identifier: MIT
#pragma once

#include "EnumTable.h"

#include <QString>
#include <QStringView>

#include <optional>

// The animation of a window being minimised; the raw value is also its stored form.
enum class MinimizeEffect { genie, scale, suck };

inline constexpr EnumTable<MinimizeEffect, QStringView, 3> minimizeEffectRawValues{
    {MinimizeEffect::genie, u"genie"}, {MinimizeEffect::scale, u"scale"}, {MinimizeEffect::suck, u"suck"}};

[[nodiscard]] inline QString rawValue(MinimizeEffect effect) {
    return valueOf(minimizeEffectRawValues, effect).toString();
}
// Exact, case-sensitive match of a raw value.
[[nodiscard]] inline std::optional<MinimizeEffect> minimizeEffectFromRawValue(QStringView raw) {
    return caseOf(minimizeEffectRawValues, raw);
}
