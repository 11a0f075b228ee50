// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <array>

// The keys of the Dock's preferences domain that Berthwise reads and writes.
enum class DockPreferenceKey {
    tileSize,
    largeSize,
    magnification,
    orientation,
    minimizeEffect,
    autoHide,
    autoHideDelay,
    autoHideTimeModifier,
    staticOnly,
    showHidden,
    showProcessIndicators,
    minimizeToApplication,
    showRecents,
};

inline constexpr std::array allDockPreferenceKeys{
    DockPreferenceKey::tileSize,
    DockPreferenceKey::largeSize,
    DockPreferenceKey::magnification,
    DockPreferenceKey::orientation,
    DockPreferenceKey::minimizeEffect,
    DockPreferenceKey::autoHide,
    DockPreferenceKey::autoHideDelay,
    DockPreferenceKey::autoHideTimeModifier,
    DockPreferenceKey::staticOnly,
    DockPreferenceKey::showHidden,
    DockPreferenceKey::showProcessIndicators,
    DockPreferenceKey::minimizeToApplication,
    DockPreferenceKey::showRecents,
};

// The key text in the "com.apple.dock" domain.
[[nodiscard]] QString rawValue(DockPreferenceKey key);
