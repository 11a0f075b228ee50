// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Berthwise
import BerthwiseTest

ScreenTestCase {
    id: testCase
    name: "ContentView"
    width: 1100
    height: 720

    Component {
        id: contentComponent
        ContentView {
            width: testCase.width
            height: testCase.height
        }
    }

    Component {
        id: windowComponent
        Main {}
    }

    Component {
        id: spinnerComponent
        Rectangle {
            property alias spinner: spinner
            width: 32
            height: 32
            color: Theme.barMaterial
            ActivitySpinner {
                id: spinner
                anchors.centerIn: parent
            }
        }
    }

    function createContent() {
        const content = createTemporaryObject(contentComponent, testCase)
        // Until the sidebar is laid out its rows overlap, and a click would reach all of them.
        settled(child(content, "sidebarList"))
        return content
    }

    function showsTheDashboard(content) {
        tryCompare(child(content, "screenLoader"), "status", Loader.Ready)
        compare(child(content, "screenLoader").item.objectName, "dashboardView")
    }

    function cleanup() {
        TestProbe.useDarkPalette(false)
        idle()
        DockViewModel.lastError = ""
        TestProbe.clearRecords()
    }

    // Runs before any test function, while nothing has been done yet.
    function initTestCase() {
        const content = createContent()
        compare(child(content, "statusMessage").text, "Ready")
        compare(content.selection, "dashboard")
        verify(child(content, "sidebarRow_dashboard").selected)
        showsTheDashboard(content)
    }

    // A screen reader's Press selects a row just as a click does; with no selection at all, the
    // Dashboard shows.
    function test_selectingSections() {
        const content = createContent()
        for (const [key, way] of [["behavior", "Press"], ["dashboard", "click"], ["about", "click"]]) {
            const row = child(content, "sidebarRow_" + key)
            operate(row, way)
            compare(content.selection, key)
            verify(row.selected)
        }
        content.selection = ""
        compare(content.shownSection, "dashboard")
        showsTheDashboard(content)
        for (const section of content.sections)
            verify(!child(content, "sidebarRow_" + section.key).selected)
    }

    // The names are the window's only sign of where the user is, so they are checked as written.
    function test_windowTitleFollowsTheSection_data() {
        return [["dashboard", "Dashboard"], ["spacers", "Spacers"], ["behavior", "Behavior"],
                ["appearance", "Appearance"], ["presets", "Presets"], ["profiles", "Profiles"],
                ["schedules", "Schedules"], ["backup", "Backup & Restore"], ["about", "About"],
                ["", "Dashboard"]].map(([key, title]) => ({ tag: key || "nothing selected", key, title }))
    }

    function test_windowTitleFollowsTheSection(data) {
        const window = createTemporaryObject(windowComponent, testCase)
        window.showSection("about")
        window.showSection(data.key)
        compare(window.title, data.title)
    }

    // The spinner must show at the status bar's size in either palette, and go once work ends.
    function test_spinnerIsDrawn_data() {
        return [
            { tag: "light", dark: false },
            { tag: "dark", dark: true }
        ]
    }

    function test_spinnerIsDrawn(data) {
        TestProbe.useDarkPalette(data.dark)
        const holder = createTemporaryObject(spinnerComponent, testCase)
        const spinner = holder.spinner
        compare(spinner.width, 16)
        verify(!spinner.visible)
        spinner.running = true
        tryCompare(spinner, "opacity", 1)
        const image = grabImage(holder)
        const background = image.pixel(0, 0)
        let drawn = 0
        for (let x = 8; x < 24; ++x) {
            for (let y = 8; y < 24; ++y) {
                const pixel = image.pixel(x, y)
                const difference = Math.abs(pixel.r - background.r) + Math.abs(pixel.g - background.g)
                        + Math.abs(pixel.b - background.b)
                if (difference > 0.3)
                    ++drawn
            }
        }
        verify(drawn >= 10, drawn + " pixels stand out")
        spinner.running = false
        tryCompare(spinner, "visible", false)
    }

    function test_statusBarWhileAnOperationRuns() {
        const content = createContent()
        const message = child(content, "statusMessage")
        DockViewModel.addSpacer("standard", "apps")
        // The script runs in another process, so the operation cannot have ended yet.
        verify(DockViewModel.isWorking)
        verify(child(content, "statusSpinner").running)
        compare(TestProbe.accessibleName(child(content, "statusSpinner")), "Working")
        verify(child(content, "statusApplying").visible)
        compare(child(content, "statusApplying").text, "Applying…")
        verify(child(content, "dashboardProgress").running)

        idle()
        verify(!child(content, "statusApplying").visible)
        verify(!child(content, "dashboardProgress").running)
        tryCompare(message, "text", "Standard spacer added to Apps Section.")
        compare(String(message.color), String(Theme.secondaryText))
    }

    // However the alert is dismissed, the error counts as seen.
    function test_statusBarAndAlertAfterAFailure_data() {
        return [
            { tag: "OK clicked", way: "click" },
            { tag: "OK pressed by a screen reader", way: "Press" },
            { tag: "Escape", way: "escape" }
        ]
    }

    function test_statusBarAndAlertAfterAFailure(data) {
        const content = createContent()
        const message = child(content, "statusMessage")
        // Without a Dock preferences file the backup has nothing to copy, so it fails.
        TestProbe.removeDockPreferences()
        DockViewModel.createBackup()
        idle()
        tryCompare(message, "text", "Something went wrong.")
        compare(String(message.color), String(Theme.red))
        compare(TestProbe.accessibleRole(message), Accessible.StaticText)
        compare(TestProbe.accessibleName(message), "Something went wrong.")

        const alert = child(content, "errorAlert")
        tryCompare(alert, "opened", true)
        compare(alert.title, "Something went wrong")
        compare(child(alert.contentItem.parent, "errorAlertMessage").text, DockViewModel.lastError)

        const ok = child(alert.footer, "errorAlertOk")
        if (data.way === "escape")
            keyClick(Qt.Key_Escape)
        else
            operate(ok, data.way)
        tryCompare(alert, "visible", false)
        compare(DockViewModel.lastError, "")
        // The message stays until the next operation ends; only its colour says the error was seen.
        compare(message.text, "Something went wrong.")
        compare(String(message.color), String(Theme.secondaryText))
    }
}
