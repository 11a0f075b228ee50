// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Berthwise

// One saved profile: its icon, name and capture date, the settings it sets as badges, its menu of
// rename, export and delete, and the button that applies it.
CardSurface {
    id: card

    required property string profileId
    required property string name
    required property string icon
    required property string capturedText
    required property var badges

    signal applyRequested
    signal renameRequested
    signal exportRequested
    signal deleteRequested

    padding: Theme.spacing.loose
    spacing: Theme.spacing.comfortable
    hoverScale: Theme.hoverScale.card
    hoverShadowRadius: 10
    hoverShadowStrength: 0.1
    Accessible.role: Accessible.Grouping
    Accessible.name: name

    // Only the name keeps clear of the menu: the date below it runs on under the menu's corner, so
    // that it stays on one line in the narrowest column.
    Item {
        Layout.fillWidth: true
        implicitHeight: Math.max(tile.height, texts.implicitHeight)

        IconTile {
            id: tile

            icon: card.icon
            tint: Theme.blue
            symbolSize: Theme.font.title2.pixelSize
        }

        TitleBlock {
            id: texts

            anchors.left: tile.right
            anchors.leftMargin: Theme.spacing.regular
            anchors.right: parent.right
            anchors.verticalCenter: tile.verticalCenter
            title: card.name
            titleInset: menu.width + Theme.spacing.small
            subtitle: card.capturedText
            subtitleFont: Theme.font.caption
            subtitleColor: Theme.tertiaryText
        }

        CardMenu {
            id: menu

            objectName: "profileMenu"
            anchors.right: parent.right
            label: qsTr("More actions for %1").arg(card.name)

            CardMenuItem {
                objectName: "renameItem"
                text: qsTr("Rename")
                symbol: "pencil"
                onTriggered: card.renameRequested()
            }

            CardMenuItem {
                objectName: "exportItem"
                text: qsTr("Export…")
                symbol: "square.and.arrow.up"
                onTriggered: card.exportRequested()
            }

            CardMenuItem {
                objectName: "deleteItem"
                text: qsTr("Delete")
                symbol: "trash"
                destructive: true
                onTriggered: card.deleteRequested()
            }
        }
    }

    BadgeRow {
        objectName: "profileBadges"
        Layout.fillWidth: true
        // In a cell taller than the card needs, the button keeps to the bottom, level with its
        // neighbours', and the badges stay close under the name.
        Layout.fillHeight: true
        labels: card.badges
    }

    PrimaryButton {
        objectName: "applyButton"
        Layout.fillWidth: true
        Layout.topMargin: Theme.spacing.tight
        text: qsTr("Apply Profile")
        icon: "checkmark.circle.fill"
        Accessible.description: card.name
        onActivated: card.applyRequested()
    }
}
