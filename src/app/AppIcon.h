// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

// Berthwise's own icons: a Dock shelf along the bottom of a screen.
class AppIcon {
public:
    // Colour icon for the window and the task switcher: the renderings the desktop's menus show.
    [[nodiscard]] static QIcon application();
    // Monochrome outline of the same picture for the menu bar or system tray, where the desktop
    // tints it as it likes.
    [[nodiscard]] static QIcon menuBar();
};
