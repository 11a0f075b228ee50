// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import BerthwiseTest

// The test case every Qt Quick test file derives from: shown, so that clicks land, and with the
// ways a person reaches a control.
TestCase {
    id: testCase

    visible: true
    when: windowShown
    width: 900
    height: 800

    function child(parentItem, name) {
        const found = findChild(parentItem, name);
        verify(found, "no child named " + name);
        return found;
    }

    function settled(item) {
        tryVerify(() => !isPolishScheduled(item));
        return item;
    }

    function idle() {
        verify(TestProbe.waitUntilIdle(), "an operation never ended");
    }

    // Operates `target` the way `way` names: "click", a key (Qt.Key_Space, ...) with the keyboard
    // focus on it, or an accessibility action ("Press", "Toggle", "Increase", "Decrease").
    function operate(target, way) {
        if (way === "click") {
            mouseClick(target);
        } else if (typeof way === "number") {
            target.forceActiveFocus(Qt.TabFocusReason);
            keyClick(way);
        } else {
            verify(TestProbe.accessibleAction(target, way), "no " + way + " action");
        }
    }
}
