// SPDX-License-Identifier: MIT
import QtQuick
import Berthwise

// A hairline across its width, optionally starting or ending short of the edges.
Item {
    id: divider

    property real leadingInset: 0
    property real trailingInset: 0

    implicitHeight: 1

    Rectangle {
        x: divider.leadingInset
        width: divider.width - divider.leadingInset - divider.trailingInset
        height: 1
        color: Theme.quaternaryText
    }
}
