// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Templates as T

// Gives the keyboard focus back, when the popup it watches closes, to whatever had it when the popup
// opened: the button that opened a sheet or menu keeps its place in the keyboard's path. A control
// that has gone or can no longer take the focus leaves it where the popup left it.
Connections {
    required property T.Popup popup
    // What had the focus as the popup last opened.
    property Item opener

    target: popup

    function onAboutToShow() {
        opener = popup.parent ? popup.parent.Window.activeFocusItem : null;
    }

    function onClosed() {
        if (opener && opener.visible && opener.enabled)
            opener.forceActiveFocus(Qt.PopupFocusReason);
    }
}
