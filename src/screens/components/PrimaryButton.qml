// SPDX-License-Identifier: MIT
import QtQuick
import Berthwise

// The prominent button: its text and symbol in the on-accent colour on a filled accent face. Disabled,
// it loses its accent, as an accent dimmed on a dark sheet still reads as a button to press.
LabelButton {
    property color tint: destructive ? Theme.destructive : Theme.accent

    face: enabled ? tint : Theme.faintFill
    ink: enabled ? Theme.onAccent : Theme.primaryText
}
