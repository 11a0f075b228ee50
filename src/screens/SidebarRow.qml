// SPDX-License-Identifier: MIT
import QtQuick
import Berthwise

// One section of the sidebar: its icon and title, highlighted while it is the selected section.
Pressable {
    id: row

    property string title
    property string icon
    property bool selected: false
    // Empty space above the row, which separates it from the group before.
    property real topInset: 0
    // The list holds the keyboard focus for its rows, so the selected row shows where it is.
    property bool listFocused: false

    implicitHeight: topInset + 32
    implicitWidth: 200
    // The list moves the selection with the arrow keys; a row of its own takes no focus.
    activeFocusOnTab: false
    Accessible.role: Accessible.ListItem
    Accessible.name: title
    Accessible.selectable: true
    Accessible.selected: selected

    Item {
        id: body

        anchors.fill: parent
        anchors.topMargin: row.topInset
    }

    Rectangle {
        objectName: "rowHighlight"
        anchors.fill: body
        anchors.leftMargin: Theme.spacing.small
        anchors.rightMargin: Theme.spacing.small
        radius: Theme.radius.small
        color: row.selected ? Theme.selection : row.isHovered ? Theme.hoverFill : "transparent"
        border.width: row.selected && row.listFocused ? 2 : 0
        border.color: Theme.tinted(Theme.accent, 0.6)
    }

    SymbolIcon {
        id: glyph

        name: row.icon
        size: 17
        color: Theme.accent
        anchors.left: parent.left
        anchors.leftMargin: Theme.spacing.card
        anchors.verticalCenter: body.verticalCenter
        width: 20
    }

    Text {
        anchors.left: glyph.right
        anchors.leftMargin: Theme.spacing.small
        anchors.right: parent.right
        anchors.rightMargin: Theme.spacing.large
        anchors.verticalCenter: body.verticalCenter
        text: row.title
        elide: Text.ElideRight
        font: row.selected ? Theme.font.bodyEmphasis : Theme.font.body
        color: Theme.primaryText
        Accessible.ignored: true
    }
}
