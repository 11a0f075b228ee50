// SPDX-License-Identifier: MIT
import QtQuick
import Berthwise

// Anything pressed as a whole: the pointer, Space or Return, and a screen reader's Press all end in
// one `activated`, and none of them does anything while it is disabled.
Item {
    id: control

    readonly property bool isHovered: hover.hovered
    readonly property bool isPressed: tap.pressed
    // The corner radius of the shape the focus ring follows.
    property real focusRadius: Theme.radius.control
    // Off where a button inside takes the clicks, leaving the whole to the keyboard and screen readers.
    property bool pointerActivates: true
    // What it does destroys something: Return and Enter, which people press to dismiss, never press
    // it; Space, the pointer and a screen reader still do.
    property bool destructive: false

    signal activated

    function activate() {
        if (control.enabled)
            control.activated();
    }

    function isActivationKey(key) {
        return key === Qt.Key_Space || (!destructive && (key === Qt.Key_Return || key === Qt.Key_Enter));
    }

    activeFocusOnTab: enabled
    Accessible.role: Accessible.Button
    Accessible.focusable: true
    Accessible.onPressAction: control.activate()

    // A focused control keeps its keys, even where a sheet binds Return to its default button.
    Keys.onShortcutOverride: event => event.accepted = isActivationKey(event.key)
    Keys.onPressed: event => {
        if (!isActivationKey(event.key))
            return;
        event.accepted = true;
        // Holding the key down presses once.
        if (!event.isAutoRepeat)
            control.activate();
    }

    HoverHandler {
        id: hover
    }

    TapHandler {
        id: tap
        enabled: control.pointerActivates
        // The press is ours alone: a handler that only watched it would let controls beneath, even
        // those under an open sheet, take the same press as theirs. A release outside cancels, as on
        // any button.
        gesturePolicy: TapHandler.ReleaseWithinBounds
        onTapped: control.activate()
    }

    Rectangle {
        objectName: "focusRing"
        z: 1
        visible: control.activeFocus
        anchors.fill: parent
        anchors.margins: -3
        radius: control.focusRadius + 3
        color: "transparent"
        border.width: 2
        border.color: Theme.tinted(Theme.accent, 0.6)
    }
}
