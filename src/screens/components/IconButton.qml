// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls
import Berthwise

// A button that is only a symbol; its label names it to screen readers and shows as a tooltip.
// Hidden ones keep their place and their keyboard focus, and show themselves while focused.
Pressable {
    id: button

    property string icon
    property string label
    property color color: Theme.secondaryText
    property real size: 28
    property real symbolSize: Theme.iconSize.row
    // False hides the button until it is shown again or takes the keyboard focus.
    property bool revealed: true
    readonly property bool isShown: revealed || activeFocus

    implicitWidth: size
    implicitHeight: size
    focusRadius: size / 2
    opacity: isShown ? 1 : 0
    scale: isShown ? 1 : 0.8
    Accessible.name: label

    ToolTip.visible: isHovered && label !== ""
    ToolTip.text: label
    ToolTip.delay: 600

    Behavior on opacity {
        NumberAnimation {
            duration: Theme.motion.quick
        }
    }

    Behavior on scale {
        SpringMotion {}
    }

    Rectangle {
        anchors.fill: parent
        radius: width / 2
        color: button.isHovered ? Theme.hoverFill : "transparent"
    }

    SymbolIcon {
        anchors.centerIn: parent
        name: button.icon
        size: button.symbolSize
        color: button.color
    }
}
