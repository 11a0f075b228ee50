// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

// Berthwise's own icons, drawn rather than shipped: a Dock shelf under a screen.
class AppIcon {
public:
    // Colour icon for the window and the task switcher.
    [[nodiscard]] static QIcon application();
    // Monochrome icon for the menu bar or system tray, where the desktop tints it as it likes.
    [[nodiscard]] static QIcon menuBar();
};
