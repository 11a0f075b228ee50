// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Berthwise
import BerthwiseTest

// The test case every Qt Quick test file derives from: shown, so that clicks land, and with the
// ways a person reaches a control.
TestCase {
    id: testCase

    visible: true
    when: windowShown
    width: 900
    height: 800

    function init() {
        freshStart();
    }

    // Each test starts once the last one's operations have ended, with no error or script left over.
    function freshStart() {
        idle();
        DockViewModel.lastError = "";
        TestProbe.clearRecords();
    }

    function child(parentItem, name) {
        const found = findChild(parentItem, name);
        verify(found, "no child named " + name);
        return found;
    }

    function settled(item) {
        tryVerify(() => !isPolishScheduled(item));
        return item;
    }

    // Until `laidOut` (or the whole) is laid out its children overlap, and a click would reach the
    // wrong one.
    function show(component, laidOut) {
        const shown = createTemporaryObject(component, testCase, { width: width, height: height });
        settled(laidOut ? child(shown, laidOut) : shown);
        return shown;
    }

    function idle() {
        verify(TestProbe.waitUntilIdle(), "an operation never ended");
    }

    // Ends `sheet` by a key, or by its default button pressed the way `way` names, and waits until
    // it has closed.
    function finishSheet(sheet, way) {
        if (typeof way === "number")
            keyClick(way);
        else
            operate(child(sheet.contentItem.parent, "sheetDefault"), way);
        tryCompare(sheet, "visible", false);
    }

    // The script that writes these settings to the Dock's domain and restarts the Dock.
    function written(...settings) {
        return settings.map(setting => "defaults write com.apple.dock " + setting + "\n").join("") + "killall Dock";
    }

    // Rows of a data-driven test from a header and positional rows, for tables too wide to read as
    // objects.
    function table(columns, rows) {
        return rows.map(row => Object.assign({}, ...columns.map((column, index) => ({ [column]: row[index] }))));
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
