// SPDX-License-Identifier: MIT
import QtQuick
import Berthwise

// What lies between an open sheet, alert or menu and the window beneath it. A modal popup makes its
// backdrop take every press and hover over the window, so nothing beneath reacts, highlights or
// changes the cursor; the wheel is taken here, where it would otherwise scroll the page beneath.
// Sheets dim the window; a menu's backdrop is clear.
Rectangle {
    property bool dims: true

    color: dims ? Theme.scrim : "transparent"

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.NoButton
        onWheel: wheel => wheel.accepted = true
    }
}
