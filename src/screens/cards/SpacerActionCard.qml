// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Berthwise

// One action of the Spacers screen: a row that is one button and adds one more tile each time.
Pressable {
    id: card

    property string title
    property string subtitle
    property string icon

    implicitWidth: surface.implicitWidth
    implicitHeight: surface.implicitHeight
    focusRadius: surface.radius
    Accessible.name: title
    Accessible.description: subtitle

    RowSurface {
        id: surface

        anchors.fill: parent

        RowLayout {
            Layout.fillWidth: true
            spacing: Theme.spacing.comfortable

            IconTile {
                size: Theme.tileSize.large
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
}
