// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Berthwise
import BerthwiseTest

// Sheets, alerts, confirmations and menus own the pointer: every event is sent to the window at a
// point where a control of the screen beneath lies, and nothing beneath may react to it.
ScreenTestCase {
    id: testCase
    name: "ModalLayer"
    width: 1100
    height: 720

    Component { id: contentComponent; ContentView {} }

    // What the screens beneath could change: any of it moving means a click went through.
    function worldState(content) {
        return JSON.stringify({
            scripts: TestProbe.recordedScripts(), status: DockViewModel.statusMessage, section: content.selection,
            backups: TestProbe.backupFiles(), profiles: TestProbe.fileText(TestProbe.profilesFile()),
            schedules: TestProbe.fileText(TestProbe.schedulesFile()), working: DockViewModel.isWorking
        })
    }

    // Each surface opens over a screen full of controls, from the keyboard where a control opens it:
    // the screen's section, the control (none for the alert, raised by a failure) and the popup that
    // then owns the pointer. The rename sheet and the restore confirmation are built as the capture
    // sheet and the reset confirmation are.
    readonly property var surfaces: ({
        "error alert": {
            section: "dashboard",
            raise: screen => { DockViewModel.lastError = "The shell could not be started." },
            popup: (screen, content) => child(content, "errorAlertLoader").item
        },
        "capture sheet": {
            section: "profiles",
            opener: screen => child(screen, "captureButton"),
            popup: screen => child(screen, "captureSheet")
        },
        "schedule editor": {
            section: "schedules",
            opener: screen => child(screen, "addScheduleButton"),
            popup: screen => child(screen, "scheduleEditor")
        },
        "reset confirmation": {
            section: "backup",
            opener: screen => child(screen, "resetButton"),
            popup: screen => child(screen, "resetConfirmation")
        },
        "card menu": {
            section: "profiles",
            opener: screen => child(child(screen, "profileCard_Profile 05"), "profileMenu"),
            popup: screen => child(child(screen, "profileCard_Profile 05"), "cardMenu")
        }
    })

    function surfaceRows() {
        return Object.keys(surfaces).map(surface => ({ tag: surface, surface: surfaces[surface] }))
    }

    // Shows the surface's section and opens it; returns the popup and its opener.
    function openSurface(content, surface) {
        content.select(surface.section)
        const loader = child(content, "screenLoader")
        tryCompare(loader, "status", Loader.Ready)
        const screen = loader.item
        // Positioners place their children only once the frame is drawn.
        waitForRendering(screen)
        const opener = surface.opener ? surface.opener(screen) : null
        if (opener)
            operate(opener, Qt.Key_Space)
        else
            surface.raise(screen)
        let popup = null
        tryVerify(() => (popup = surface.popup(screen, content)) && popup.opened, 5000, "it did not open")
        // A sheet grows to its content over the frames after it opens; a point taken before then
        // may end up on the sheet itself.
        let geometry = ""
        tryVerify(() => {
            const now = [popup.x, popup.y, popup.width, popup.height].join()
            const steady = now === geometry
            geometry = now
            return steady
        }, 5000, "it never settled")
        return { popup: popup, opener: opener }
    }

    function init() {
        freshStart()
        TestProbe.resetDockFiles()
        const names = Array.from({ length: 12 }, (_, index) => "Profile " + String(index).padStart(2, "0"))
        const ids = TestProbe.storeProfiles(names)
        TestProbe.writeFile(TestProbe.schedulesFile(), JSON.stringify(ids.slice(0, 8).map((id, index) => ({
            id: "5E0C7A1B-2D3F-4A5B-8C9D-0E1F2A3B4C5" + index, profileID: id, hour: 9, minute: 0,
            days: [2, 3, 4, 5, 6], isEnabled: true
        }))))
        for (let day = 1; day <= 9; ++day)
            TestProbe.writeFile(TestProbe.backupFile("com.apple.dock.backup.2025030" + day + "-000001.plist"),
                                "<plist version=\"1.0\"><dict/></plist>\n")
    }

    function test_nothingBeneathReacts_data() {
        return surfaceRows()
    }

    function test_nothingBeneathReacts(data) {
        const content = show(contentComponent, "sidebarList")
        let popup = openSurface(content, data.surface).popup
        const points = pointsOver(content, popup)
        verify(points.length > 0, "no point lies over a control")
        const gestures = {
            "hover": point => hoverAt(point.x, point.y),
            "drag": point => dragAt(point.x, point.y, 0, 80),
            "click": point => clickAt(point.x, point.y),
            "double click": point => doubleClickAt(point.x, point.y)
        }
        for (const point of points) {
            let closesOnClick = false
            for (const gesture of Object.keys(gestures)) {
                // A click that closes the surface leaves what lies beneath to the next one, even
                // the second of a double click.
                if (gesture === "double click" && closesOnClick)
                    continue
                if (!popup.opened)
                    popup = openSurface(content, data.surface).popup
                TestProbe.clearRecords()
                const what = gesture + " " + point.name
                const before = worldState(content)
                const page = child(content, "screenLoader").item
                const contentY = page.contentY
                const beneath = point.beneath
                let fired = 0
                const fire = () => ++fired
                const signal = beneath.activated ?? beneath.clicked ?? beneath.toggled
                signal.connect(fire)
                gestures[gesture](point)
                closesOnClick = gesture === "click" && !popup.opened
                const hovered = beneath.isHovered || beneath.hovered
                idle()
                signal.disconnect(fire)
                verify(!hovered, what + ": the control beneath is hovered")
                compare(fired, 0, what + ": the control beneath was activated")
                compare(worldState(content), before, what)
                compare(page.contentY, contentY, what + ": the screen beneath scrolled")
            }
        }
    }

    // Tab keeps to the open surface, whichever way round, and closing it gives the focus back to the
    // control that opened it.
    function test_keyboardFocusStaysInside_data() {
        return surfaceRows()
    }

    function test_keyboardFocusStaysInside(data) {
        const content = show(contentComponent, "sidebarList")
        const opened = openSurface(content, data.surface)
        const frame = opened.popup.contentItem.parent
        for (const key of [Qt.Key_Tab, Qt.Key_Tab, Qt.Key_Tab, Qt.Key_Tab, Qt.Key_Tab, Qt.Key_Tab, Qt.Key_Tab,
                           Qt.Key_Tab, Qt.Key_Tab, Qt.Key_Tab, Qt.Key_Tab, Qt.Key_Tab, Qt.Key_Backtab, Qt.Key_Backtab]) {
            keyClick(key)
            let focused = Window.activeFocusItem
            while (focused && focused !== frame)
                focused = focused.parentItem ?? focused.parent
            verify(focused === frame, "the focus left for " + Window.activeFocusItem)
        }
        keyClick(Qt.Key_Escape)
        tryCompare(opened.popup, "visible", false)
        if (opened.opener)
            compare(Window.activeFocusItem, opened.opener)
    }

    // The centres of the popup's controls and of its plain surface, and points around it, each
    // where an activatable control of the screen lies beneath.
    function pointsOver(content, popup) {
        const frame = popup.contentItem.parent
        const candidates = []
        // The button that commits, and a menu's items, act by design.
        for (const control of controlsIn(frame)) {
            if (control.objectName !== "sheetDefault" && typeof control.triggered !== "function")
                candidates.push({ name: control.objectName || String(control), item: control,
                                  x: control.width / 2, y: control.height / 2 })
        }
        for (const [dx, dy] of [[0.5, 0.1], [0.02, 0.5], [0.98, 0.5]])
            candidates.push({ name: "at " + dx + ", " + dy + " of the frame", item: frame,
                              x: dx * frame.width, y: dy * frame.height })
        // Outside it, on controls of the screen and the sidebar.
        const outside = controlsIn(content).filter(control => {
            const local = control.mapToItem(frame, control.width / 2, control.height / 2)
            return local.x < 0 || local.y < 0 || local.x > frame.width || local.y > frame.height
        })
        for (const control of outside.filter((_, index) => index % Math.ceil(outside.length / 4) === 0))
            candidates.push({ name: "outside, over " + control.objectName, item: control,
                              x: control.width / 2, y: control.height / 2 })
        const points = []
        for (const candidate of candidates) {
            const point = candidate.item.mapToItem(null, candidate.x, candidate.y)
            const beneath = controlAt(content, point.x, point.y)
            if (beneath)
                points.push({ name: candidate.name, x: point.x, y: point.y, beneath: beneath })
        }
        return points
    }
}
