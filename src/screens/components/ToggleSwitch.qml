// SPDX-License-Identifier: MIT
import QtQuick
import Berthwise

// An on/off switch, regular or mini. Bind `checked` to the setting: the switch never assigns it,
// so the binding survives every press; the owner stores the new value in `toggled`.
Pressable {
    id: toggle

    property bool checked
    property bool mini: false

    signal toggled(bool checked)

    implicitWidth: mini ? 28 : 40
    implicitHeight: mini ? 16 : 24
    focusRadius: height / 2
    Accessible.role: Accessible.CheckBox
    Accessible.checkable: true
    Accessible.checked: checked
    Accessible.onToggleAction: toggle.activate()
    onActivated: toggle.toggled(!toggle.checked)

    Rectangle {
        anchors.fill: parent
        radius: height / 2
        color: toggle.checked ? Theme.accent : Theme.tinted(Theme.primaryText, 0.15)

        Behavior on color {
            ColorAnimation {
                duration: Theme.motion.quick
            }
        }

        Rectangle {
            x: toggle.checked ? parent.width - width - 2 : 2
            anchors.verticalCenter: parent.verticalCenter
            width: parent.height - 4
            height: width
            radius: width / 2
            color: Theme.onAccent
            border.width: 1
            border.color: Theme.tinted(Theme.shadow, 0.08)

            Behavior on x {
                SpringMotion {}
            }
        }
    }
}
