// SPDX-License-Identifier: MIT
import QtQuick
import Berthwise

// A link on the About screen: a tinted icon tile, a label, optionally the address it opens, and an
// arrow; the whole row opens the address.
Item {
    id: row

    property string icon
    property color iconColor: Theme.blue
    property string label
    // The address as shown; empty for a row with a single label.
    property string value
    property string url
    readonly property bool isHovered: hover.hovered

    function open() {
        AppInfo.openAddress(url)
    }

    implicitWidth: 400
    implicitHeight: Math.max(34, texts.implicitHeight) + 26
    activeFocusOnTab: true

    Accessible.role: Accessible.Link
    Accessible.name: label
    Accessible.description: value
    Accessible.focusable: true
    Accessible.onPressAction: row.open()

    Keys.onSpacePressed: row.open()
    Keys.onReturnPressed: row.open()
    Keys.onEnterPressed: row.open()

    Rectangle {
        objectName: "rowHighlight"
        anchors.fill: parent
        color: row.isHovered ? Theme.tinted(Theme.primaryText, 0.04) : "transparent"
        Behavior on color {
            ColorAnimation {
                duration: 120
                easing.type: Easing.InOutQuad
            }
        }
    }

    Rectangle {
        id: tile
        x: 20
        anchors.verticalCenter: parent.verticalCenter
        width: 34
        height: 34
        radius: 8
        color: Theme.tinted(row.iconColor, 0.12)

        SymbolIcon {
            anchors.centerIn: parent
            name: row.icon
            size: 18
            color: row.iconColor
        }
    }

    Column {
        id: texts
        anchors.left: tile.right
        anchors.leftMargin: 12
        anchors.right: arrow.left
        anchors.rightMargin: 12
        anchors.verticalCenter: parent.verticalCenter
        spacing: 2

        Text {
            width: parent.width
            text: row.label
            font.pixelSize: Theme.subheadline
            font.weight: Font.Medium
            color: Theme.primaryText
            elide: Text.ElideRight
            Accessible.ignored: true
        }

        Text {
            width: parent.width
            visible: row.value !== ""
            text: row.value
            font.pixelSize: Theme.caption
            color: Theme.secondaryText
            elide: Text.ElideRight
            Accessible.ignored: true
        }
    }

    SymbolIcon {
        id: arrow
        anchors.right: parent.right
        anchors.rightMargin: 20
        anchors.verticalCenter: parent.verticalCenter
        name: "arrow.up.right"
        size: Theme.caption + 2
        font.weight: Font.DemiBold
        color: Theme.tertiaryText
    }

    HoverHandler {
        id: hover
    }

    TapHandler {
        onTapped: row.open()
    }
}
