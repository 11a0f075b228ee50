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
    hoverScale: 1.012
    hoverShadowRadius: 10
    hoverShadowStrength: 0.1
    Accessible.role: Accessible.Grouping
    Accessible.name: name

    RowLayout {
        Layout.fillWidth: true
        spacing: Theme.spacing.regular

        IconTile {
            Layout.alignment: Qt.AlignTop
            icon: card.icon
            tint: Theme.blue
            symbolSize: Theme.font.title2.pixelSize
        }

        TitleBlock {
            Layout.fillWidth: true
            Layout.alignment: Qt.AlignVCenter
            title: card.name
            subtitle: card.capturedText
            subtitleFont: Theme.font.caption
            subtitleColor: Theme.tertiaryText
        }

        CardMenu {
            objectName: "profileMenu"
            Layout.alignment: Qt.AlignTop
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
        labels: card.badges
    }

    // In a cell taller than the card needs, the button keeps to the bottom, level with its neighbours'.
    Item {
        Layout.fillHeight: true
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
