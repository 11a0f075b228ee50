// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound
import QtQuick
import Berthwise

// A soft shadow behind a rounded shape, drawn as a few widening translucent layers because this
// Qt has no blur effect to hand. The layers are filled rather than outlined: where they overlap
// they darken towards the shape as outlines of falling strength would, and a fill costs a software
// renderer a fraction of what a rounded outline does.
Item {
    id: shadow

    property real radius: 4
    property real cornerRadius: Theme.radius.card
    property real strength: 0.04

    property int layers: 4

    Repeater {
        model: shadow.layers

        Rectangle {
            required property int index
            readonly property real spread: shadow.radius * (index + 1) / shadow.layers

            x: -spread
            y: -spread + shadow.radius / 3
            width: shadow.width + 2 * spread
            height: shadow.height + 2 * spread
            radius: shadow.cornerRadius + spread
            color: Theme.tinted(Theme.shadow, shadow.strength / shadow.layers)
        }
    }
}
