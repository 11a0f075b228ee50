// SPDX-License-Identifier: MIT
import QtQuick
import Berthwise

// A whole card that is one button: clicked, pressed from the keyboard or by a screen reader, it
// emits `activated` once.
Pressable {
    id: card

    property alias padding: surface.padding
    property alias spacing: surface.spacing
    property alias hoverScale: surface.hoverScale
    property alias hoverShadowRadius: surface.hoverShadowRadius
    property alias hoverShadowStrength: surface.hoverShadowStrength
    property real minimumHeight: 0

    default property alias content: surface.content

    implicitWidth: surface.implicitWidth
    implicitHeight: Math.max(minimumHeight, surface.implicitHeight)
    focusRadius: surface.radius

    CardSurface {
        id: surface

        anchors.fill: parent
        hoverScale: Theme.hoverScale.action
    }
}
