// SPDX-License-Identifier: MIT
import QtQuick
import Berthwise

// The secondary button: a faint face with an outline; its destructive form is written in red.
LabelButton {
    face: isHovered ? Theme.hoverFill : Theme.faintFill
    edge: Theme.faintOutline
    ink: destructive ? Theme.destructive : Theme.primaryText
    font: Theme.font.body
}
