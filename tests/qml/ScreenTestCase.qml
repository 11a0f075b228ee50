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
        // The screen reads its list as it appears.
        idle();
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

    // A profile as the profiles file holds it.
    function profileRecord(id, name, fields) {
        return Object.assign({
            id: id, name: name, icon: "briefcase.fill", createdAt: "2025-03-14T09:30:05Z", dockSize: 64,
            magnification: false, magnificationSize: 96, autoHide: false, fastAutoHide: false, showRecentApps: true,
            minimizeToApplication: false, showHidden: false, showOnlyRunningApps: false, showProcessIndicators: true,
            orientation: "bottom", minimizeEffect: "genie"
        }, fields ?? {})
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

    // The pointer at a point of the window, in scene coordinates, rather than aimed at an item:
    // whatever lies topmost there gets the events, as on screen. Tests of anything drawn over other
    // controls use these, since events sent to the item under test cannot see input leaking past it.
    function clickAt(x, y) {
        mouseClick(Window.contentItem, x, y)
    }

    function doubleClickAt(x, y) {
        mouseDoubleClickSequence(Window.contentItem, x, y)
    }

    // Pressed, moved by (dx, dy) in steps as a hand does, and released there.
    function dragAt(x, y, dx, dy) {
        mousePress(Window.contentItem, x, y)
        for (let step = 1; step <= 4; ++step)
            mouseMove(Window.contentItem, x + dx * step / 4, y + dy * step / 4)
        mouseRelease(Window.contentItem, x + dx, y + dy)
    }

    function hoverAt(x, y) {
        mouseMove(Window.contentItem, x, y)
    }

    // What a person could press: shown, enabled, and with a signal a press sends.
    function isControl(item) {
        return item.visible && item.enabled && item.width > 0
               && (typeof item.activated === "function" || typeof item.clicked === "function"
                   || typeof item.toggled === "function")
    }

    function controlsIn(root) {
        const found = []
        for (const item of Array.from(root.children)) {
            if (isControl(item))
                found.push(item)
            found.push(...controlsIn(item))
        }
        return found
    }

    // The control under scene point (x, y) among `root`'s descendants, or null.
    function controlAt(root, x, y) {
        for (const item of Array.from(root.children)) {
            if (!item.visible)
                continue
            const local = item.mapFromItem(null, x, y)
            const inside = local.x >= 0 && local.y >= 0 && local.x < item.width && local.y < item.height
            if (inside && isControl(item))
                return item
            const deeper = controlAt(item, x, y)
            if (deeper)
                return deeper
        }
        return null
    }
}
