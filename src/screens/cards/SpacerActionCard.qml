// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Berthwise

// One action of the Spacers screen: a card that is one button and adds one more tile each time.
PressableCard {
    id: card

    property string title
    property string subtitle
    property string icon

    radius: Theme.radius.banner
    outline: Theme.faintOutline
    padding: Theme.spacing.comfortable
    hoverScale: 1.008
    shadowed: false
    Accessible.name: title
    Accessible.description: subtitle

    RowLayout {
        Layout.fillWidth: true
        spacing: Theme.spacing.comfortable

        IconTile {
            size: 48
            icon: card.icon
            tintOpacity: 0.12
            symbolSize: Theme.font.title2.pixelSize
        }

        TitleBlock {
            Layout.fillWidth: true
            title: card.title
            subtitle: card.subtitle
            announced: false
        }

        SymbolIcon {
            name: "plus.circle.fill"
            size: Theme.font.title2.pixelSize
            color: Theme.tinted(Theme.accent, 0.7)
        }
    }
}
