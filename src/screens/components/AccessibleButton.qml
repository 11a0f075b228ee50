// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls

// A push button that a screen reader can press: its Press action emits `clicked`, exactly as the
// pointer does (Qt's own Button ignores that action).
Button {
    id: button

    Accessible.role: Accessible.Button
    Accessible.name: text
    Accessible.onPressAction: {
        if (button.enabled)
            button.clicked()
    }
}
