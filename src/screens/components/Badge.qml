// SPDX-License-Identifier: MIT
import QtQuick
import Berthwise

// A short label on a capsule: tinted with its colour, or filled with it.
Rectangle {
    id: badge

    property string label
    property color tint: Theme.accent
    property bool filled: false

    implicitWidth: text.implicitWidth + 2 * Theme.spacing.small
    implicitHeight: text.implicitHeight + 6
    radius: height / 2
    color: filled ? tint : Theme.tinted(tint, 0.12)

    StaticText {
        id: text

        anchors.centerIn: parent
        text: badge.label
        font: Theme.font.captionEmphasis
        color: badge.filled ? Theme.onAccent : badge.tint
    }
}
