// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Templates as T
import Berthwise

// Built, with the first screen, on the templates alone: the controls module would load a style with
// its plugins and some hundred types before the first frame, and only the other screens need it.
T.ApplicationWindow {
    id: window
    objectName: "main"
    title: content.title
    width: 1100
    height: 720
    minimumWidth: 980
    minimumHeight: 680
    visible: true
    color: Theme.windowBackground
    // Qt's built-in dialogs, which stand in where the desktop has none of its own, draw with the
    // window's palette: the theme's colours make them look like the sheets in either appearance. A
    // chosen file stands on a tint of the highlight, so its name keeps the colour of text.
    palette.window: Theme.sheetBackground
    palette.windowText: Theme.primaryText
    palette.base: Theme.windowBackground
    palette.alternateBase: Theme.sidebarBackground
    palette.light: Theme.sheetBackground
    palette.midlight: Qt.tint(Theme.sheetBackground, Theme.hoverFill)
    palette.mid: Theme.faintOutline
    palette.dark: Theme.faintOutline
    palette.text: Theme.primaryText
    palette.placeholderText: Theme.tertiaryText
    palette.button: Theme.controlFace
    palette.buttonText: Theme.primaryText
    palette.highlight: Theme.accent
    palette.highlightedText: Theme.primaryText
    // The style's tooltips would otherwise keep their pale yellow in the dark appearance.
    palette.toolTipBase: Theme.sheetBackground
    palette.toolTipText: Theme.primaryText

    // For the application menu's About item.
    function showSection(key) {
        content.select(key)
    }

    // Once the first frame is drawn.
    function preloadScreens() {
        content.preloadScreens()
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
