// SPDX-License-Identifier: MIT
import QtQuick
import Berthwise

// The surface of a row that stands for one control, a setting or an action: smaller corners than a
// card's, a faint outline and no shadow, lifting a little under the pointer.
CardSurface {
    radius: Theme.radius.banner
    outline: Theme.faintOutline
    padding: Theme.spacing.comfortable
    hoverScale: Theme.hoverScale.row
    shadowed: false
}
