// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Berthwise

// The surface every card and row stands on: a rounded translucent panel with an outline, which
// lifts a little under the pointer while its shadow deepens. Content stacks in a column.
Item {
    id: surface

    property real radius: Theme.radius.card
    property color fill: Theme.thinMaterial
    property color outline: Theme.quaternaryText
    property real padding: 0
    property alias spacing: column.spacing
    // 1 keeps the surface still under the pointer.
    property real hoverScale: 1
    property bool shadowed: true
    property real restShadowRadius: 4
    property real restShadowStrength: 0.04
    property real hoverShadowRadius: 12
    property real hoverShadowStrength: 0.12
    readonly property bool isHovered: hover.hovered

    default property alias content: column.data

    implicitWidth: column.implicitWidth + 2 * padding
    implicitHeight: column.implicitHeight + 2 * padding
    scale: isHovered ? hoverScale : 1

    Behavior on scale {
        SpringMotion {}
    }

    // The software renderer draws a scaled rounded rectangle as separate pieces, which part along
    // fractional edges and leave lines through the card. Drawn unscaled into a layer wide enough
    // for the shadow, the card scales as one picture.
    Item {
        id: picture

        // How far the shadow can reach past the card: its spread, and a third of it more below.
        readonly property real reach: Math.ceil(Math.max(surface.restShadowRadius, surface.hoverShadowRadius)
                                                * 4 / 3)

        x: -reach
        y: -reach
        width: surface.width + 2 * reach
        height: surface.height + 2 * reach
        layer.enabled: surface.scale !== 1 && GraphicsInfo.api === GraphicsInfo.Software
        layer.smooth: true

        SoftShadow {
            objectName: "cardShadow"
            visible: surface.shadowed
            anchors.fill: parent
            anchors.margins: picture.reach
            cornerRadius: surface.radius
            // The narrow shadow at rest shows no steps with half the layers, and every card on a
            // screen draws it: the hovered card alone draws the wider one.
            layers: surface.isHovered ? 4 : 2
            radius: surface.isHovered ? surface.hoverShadowRadius : surface.restShadowRadius
            strength: surface.isHovered ? surface.hoverShadowStrength : surface.restShadowStrength

            Behavior on radius {
                SpringMotion {}
            }
        }

        Rectangle {
            anchors.fill: parent
            anchors.margins: picture.reach
            radius: surface.radius
            color: surface.fill
            border.width: 1
            border.color: surface.outline
        }

        ColumnLayout {
            id: column

            anchors.fill: parent
            anchors.margins: picture.reach + surface.padding
            spacing: 0
        }
    }

    HoverHandler {
        id: hover
    }
}
