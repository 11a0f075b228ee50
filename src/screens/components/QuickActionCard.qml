// SPDX-License-Identifier: MIT
import QtQuick
import Berthwise

// A one-click Dashboard action: icon tile, title and one-line description on a card that lifts a
// little under the pointer.
Item {
    id: card

    property string title
    property string subtitle
    property string icon
    property color color: Theme.blue
    // Run when the card is clicked, or pressed from the keyboard or by a screen reader.
    property var action: null
    readonly property bool isHovered: hover.hovered

    readonly property real margin: 18

    function activate() {
        if (action)
            action()
    }

    implicitWidth: 260
    implicitHeight: Math.max(160, margin * 2 + topRow.height + 12 + texts.implicitHeight)
    activeFocusOnTab: true

    scale: isHovered ? 1.015 : 1.0
    Behavior on scale {
        NumberAnimation {
            duration: 180
            easing.type: Easing.OutCubic
        }
    }

    Accessible.role: Accessible.Button
    Accessible.name: title
    Accessible.description: subtitle
    Accessible.focusable: true
    Accessible.onPressAction: card.activate()

    Keys.onSpacePressed: card.activate()
    Keys.onReturnPressed: card.activate()
    Keys.onEnterPressed: card.activate()

    SoftShadow {
        objectName: "cardShadow"
        anchors.fill: parent
        cornerRadius: 20
        radius: card.isHovered ? 12 : 4
        strength: card.isHovered ? 0.12 : 0.04
        Behavior on radius {
            NumberAnimation {
                duration: 180
                easing.type: Easing.OutCubic
            }
        }
    }

    Rectangle {
        anchors.fill: parent
        radius: 20
        color: Theme.thinMaterial
        border.width: 1
        border.color: card.activeFocus ? Theme.tinted(card.color, 0.6) : Theme.quaternaryText
    }

    Item {
        id: topRow
        x: card.margin
        y: card.margin
        width: card.width - 2 * card.margin
        height: 44

        Rectangle {
            width: 44
            height: 44
            radius: 10
            color: Theme.tinted(card.color, 0.15)

            SymbolIcon {
                anchors.centerIn: parent
                name: card.icon
                size: Theme.title2 + 4
                color: card.color
            }
        }

        SymbolIcon {
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            name: "arrow.right.circle.fill"
            size: Theme.title3 + 4
            color: Theme.tinted(card.color, 0.6)
        }
    }

    Column {
        id: texts
        x: card.margin
        anchors.top: topRow.bottom
        anchors.topMargin: 12
        width: card.width - 2 * card.margin
        spacing: 4

        Text {
            width: parent.width
            text: card.title
            font.pixelSize: Theme.headline
            font.weight: Font.DemiBold
            color: Theme.primaryText
            elide: Text.ElideRight
            Accessible.ignored: true
        }

        Text {
            width: parent.width
            text: card.subtitle
            font.pixelSize: Theme.subheadline
            color: Theme.secondaryText
            wrapMode: Text.Wrap
            Accessible.ignored: true
        }
    }

    HoverHandler {
        id: hover
    }

    TapHandler {
        onTapped: card.activate()
    }
}
