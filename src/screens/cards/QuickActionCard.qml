// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Berthwise

// A one-click Dashboard action: icon tile, title and one-line description on a card that lifts a
// little under the pointer.
PressableCard {
    id: card

    property string title
    property string subtitle
    property string icon
    property color color: Theme.accent

    minimumHeight: 160
    padding: Theme.spacing.card
    spacing: Theme.spacing.regular
    Accessible.name: title
    Accessible.description: subtitle

    RowLayout {
        Layout.fillWidth: true

        IconTile {
            icon: card.icon
            tint: card.color
        }

        Item {
            Layout.fillWidth: true
        }

        SymbolIcon {
            name: "arrow.right.circle.fill"
            size: Theme.iconSize.title3
            color: Theme.tinted(card.color, 0.6)
        }
    }

    TitleBlock {
        Layout.fillWidth: true
        spacing: Theme.spacing.tight
        title: card.title
        subtitle: card.subtitle
        announced: false
    }

    Item {
        Layout.fillHeight: true
    }
}
