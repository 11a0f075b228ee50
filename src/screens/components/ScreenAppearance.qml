// SPDX-License-Identifier: MIT
import QtQuick

// Says when the screen it stands in comes into view: as the screen is built for its section, and
// whenever the window is shown again, which may have been closed for hours while the menu bar item
// and the schedules went on working.
Item {
    id: appearance

    signal appeared

    Component.onCompleted: appeared()

    Connections {
        target: appearance.Window.window

        function onVisibleChanged() {
            if (appearance.Window.window.visible)
                appearance.appeared();
        }
    }
}
