// SPDX-License-Identifier: MIT
import QtQuick
import Berthwise

// A symbol centred on a rounded square tinted with its colour; with `tintEnd` the tint runs as a
// gradient from one colour to the other.
Rectangle {
    id: tile

    property string icon
    property color tint: Theme.accent
    property color tintEnd: tint
    property real tintOpacity: 0.15
    property color symbolColor: tint
    property real symbolSize: Theme.iconSize.tile
    property int symbolWeight: Font.Normal
    property real size: Theme.tileSize.card

    implicitWidth: size
    implicitHeight: size
    radius: Theme.radius.tile
    gradient: Gradient {
        orientation: Gradient.Vertical
        GradientStop {
            position: 0
            color: Theme.tinted(tile.tint, tile.tintOpacity)
        }
        GradientStop {
            position: 1
            color: Theme.tinted(tile.tintEnd, tile.tintOpacity)
        }
    }

    SymbolIcon {
        anchors.centerIn: parent
        name: tile.icon
        size: tile.symbolSize
        font.weight: tile.symbolWeight
        color: tile.symbolColor
    }
}
