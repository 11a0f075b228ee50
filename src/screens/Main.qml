// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls
import Berthwise

ApplicationWindow {
    id: window
    objectName: "main"
    title: content.title
    width: 1100
    height: 720
    minimumWidth: 980
    minimumHeight: 680
    visible: true
    color: Theme.windowBackground

    // For the application menu's About item.
    function showSection(key) {
        content.select(key)
    }

    ContentView {
        id: content
        objectName: "contentView"
        anchors.fill: parent
    }

    Shortcut {
        sequence: "Ctrl+Q"
        context: Qt.ApplicationShortcut
        onActivated: Qt.quit()
    }
}
