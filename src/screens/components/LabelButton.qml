// SPDX-License-Identifier: MIT
import QtQuick
import Berthwise

// A button showing an optional symbol beside its text, on a rounded face; the looks of the
// prominent and the bordered button are set on it.
Pressable {
    id: button

    property string text
    property string icon
    property color face: Theme.accent
    property color edge: "transparent"
    property color ink: Theme.onAccent
    property font font: Theme.font.bodyEmphasis
    // Extra room above and below the text, as some screens ask for taller buttons.
    property real verticalPadding: 6

    implicitWidth: label.implicitWidth + 2 * Theme.spacing.comfortable
    implicitHeight: label.implicitHeight + 2 * verticalPadding
    opacity: enabled ? 1 : 0.45
    Accessible.name: text

    Rectangle {
        anchors.fill: parent
        radius: Theme.radius.control
        color: button.isPressed ? Qt.darker(button.face, 1.15) : button.face
        border.width: 1
        border.color: button.edge
    }

    Row {
        id: label

        anchors.centerIn: parent
        spacing: Theme.spacing.compact

        SymbolIcon {
            visible: button.icon !== ""
            anchors.verticalCenter: parent.verticalCenter
            name: button.icon
            size: button.font.pixelSize + 2
            color: button.ink
        }

        // Absent rather than empty on a symbol-only button, so the row adds no gap after the symbol.
        Text {
            visible: button.text !== ""
            anchors.verticalCenter: parent.verticalCenter
            text: button.text
            font: button.font
            color: button.ink
            Accessible.ignored: true
        }
    }
}
