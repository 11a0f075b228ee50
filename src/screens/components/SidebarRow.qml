// SPDX-License-Identifier: MIT
import QtQuick
import Berthwise

// One section of the sidebar: its icon and title, highlighted while it is the selected section.
Item {
    id: row

    property string title
    property string icon
    property bool selected: false
    // Empty space above the row, which separates it from the group before.
    property real topInset: 0

    signal activated

    implicitHeight: topInset + 32
    implicitWidth: 200

    Accessible.role: Accessible.ListItem
    Accessible.name: title
    Accessible.selectable: true
    Accessible.selected: selected
    Accessible.onPressAction: row.activated()

    Item {
        id: body
        anchors.fill: parent
        anchors.topMargin: row.topInset
    }

    Rectangle {
        anchors.fill: body
        anchors.leftMargin: 8
        anchors.rightMargin: 8
        radius: 6
        color: row.selected ? Theme.selection : (pointer.hovered ? Theme.tinted(Theme.primaryText, 0.05)
                                                                       : "transparent")
    }

    SymbolIcon {
        id: glyph
        name: row.icon
        size: 17
        color: Theme.blue
        anchors.left: parent.left
        anchors.leftMargin: 18
        anchors.verticalCenter: body.verticalCenter
        width: 20
    }

    Text {
        anchors.left: glyph.right
        anchors.leftMargin: 8
        anchors.right: parent.right
        anchors.rightMargin: 16
        anchors.verticalCenter: body.verticalCenter
        text: row.title
        elide: Text.ElideRight
        font.pixelSize: Theme.body
        font.weight: row.selected ? Font.DemiBold : Font.Normal
        color: Theme.primaryText
        Accessible.ignored: true
    }

    // A tap handler, unlike a mouse area, does not swallow the second of two quick clicks on
    // different rows as a double click.
    TapHandler {
        onTapped: row.activated()
    }

    HoverHandler {
        id: pointer
    }
}
