// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Templates as T
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

    // The style's tooltip keeps its pale face in the dark palette; this one is drawn like the menus.
    // It exists only while the pointer is over the button.
    Loader {
        anchors.fill: parent
        active: button.isHovered && button.label !== ""

        sourceComponent: T.ToolTip {
            x: (parent.width - width) / 2
            y: parent.height + Theme.spacing.tight
            implicitWidth: implicitContentWidth + leftPadding + rightPadding
            implicitHeight: implicitContentHeight + topPadding + bottomPadding
            padding: Theme.spacing.tight
            leftPadding: Theme.spacing.small
            rightPadding: Theme.spacing.small
            text: button.label
            delay: 600
            visible: true

            contentItem: Text {
                text: button.label
                font: Theme.font.caption
                color: Theme.primaryText
            }

            background: Rectangle {
                radius: Theme.radius.small
                color: Theme.sheetBackground
                border.width: 1
                border.color: Theme.faintOutline
            }
        }
    }
}
