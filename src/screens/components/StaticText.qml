// SPDX-License-Identifier: MIT
import QtQuick
import Berthwise

// Text that assistive technology reads out as it is shown.
Text {
    color: Theme.primaryText
    font: Theme.font.body
    Accessible.role: Accessible.StaticText
    Accessible.name: text
}
