// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <array>
#include <optional>

// The animation of a window being minimised; the raw value is also its stored form.
enum class MinimizeEffect { genie, scale, suck };

inline constexpr std::array allMinimizeEffects{MinimizeEffect::genie, MinimizeEffect::scale,
                                               MinimizeEffect::suck};

[[nodiscard]] QString rawValue(MinimizeEffect effect);
// Exact, case-sensitive match of a raw value.
[[nodiscard]] std::optional<MinimizeEffect> minimizeEffectFromRawValue(QStringView raw);
