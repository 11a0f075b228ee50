// SPDX-License-Identifier: MIT
import QtQuick
import Berthwise

// The prominent button: its text and symbol in the on-accent colour on a filled accent face.
LabelButton {
    property color tint: destructive ? Theme.destructive : Theme.accent

    face: tint
    ink: Theme.onAccent
}
