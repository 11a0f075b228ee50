// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Berthwise
import BerthwiseTest

TestCase {
    id: testCase
    name: "ContentView"
    width: 1100
    height: 720
    visible: true
    when: windowShown

    Component {
        id: contentComponent
        ContentView {
            width: testCase.width
            height: testCase.height
        }
    }

    function createContent() {
        const content = createTemporaryObject(contentComponent, testCase)
        verify(content)
        // Until the sidebar is laid out its rows overlap, and a click would reach all of them.
        const sidebar = child(content, "sidebarList")
        tryVerify(() => !isPolishScheduled(sidebar))
        return content
    }

    function child(parentItem, name) {
        const found = findChild(parentItem, name)
        verify(found, "no child named " + name)
        return found
    }

    function screenTitle(content) {
        const loader = child(content, "screenLoader")
        return loader.status === Loader.Ready ? loader.item : child(content, "screenPlaceholder").text
    }

    function cleanup() {
        verify(TestProbe.waitUntilIdle())
        DockViewModel.lastError = ""
        TestProbe.clearRecords()
    }

    // Runs before any test function, while nothing has been done yet.
    function initTestCase() {
        const content = createContent()
        compare(child(content, "statusMessage").text, "Ready")
    }

    function test_startsOnTheDashboard() {
        const content = createContent()
        compare(content.selection, "dashboard")
        verify(child(content, "sidebarRow_dashboard").selected)
        verify(!child(content, "sidebarRow_about").selected)
        verify(!child(content, "statusApplying").visible)
        tryCompare(child(content, "screenLoader"), "status", Loader.Ready)
        compare(child(content, "screenLoader").item.objectName, "dashboardView")
    }

    function test_sidebarListsTheNineSectionsInOrder() {
        const content = createContent()
        const expected = ["Dashboard", "Spacers", "Behavior", "Appearance", "Presets", "Profiles",
                          "Schedules", "Backup & Restore", "About"]
        compare(content.sections.map(section => section.title), expected)
        // About stands apart from the other eight.
        const backup = child(content, "sidebarRow_backup")
        const about = child(content, "sidebarRow_about")
        const spacers = child(content, "sidebarRow_spacers")
        const dashboard = child(content, "sidebarRow_dashboard")
        const bottom = row => row.mapToItem(content, 0, row.height).y
        verify(bottom(about) - bottom(backup) > bottom(spacers) - bottom(dashboard))
    }

    function test_selectingSections_data() {
        return [
            { tag: "by click", viaAccessibility: false },
            { tag: "by accessibility press", viaAccessibility: true }
        ]
    }

    function test_selectingSections(data) {
        const content = createContent()
        for (const key of ["about", "behavior", "dashboard"]) {
            const row = child(content, "sidebarRow_" + key)
            if (data.viaAccessibility)
                verify(TestProbe.accessibleAction(row, "Press"))
            else
                mouseClick(row)
            compare(content.selection, key)
            verify(row.selected)
        }
        compare(child(content, "screenLoader").item.objectName, "dashboardView")
    }

    function test_clearedSelectionShowsTheDashboard() {
        const content = createContent()
        mouseClick(child(content, "sidebarRow_about"))
        content.selection = ""
        compare(content.shownSection, "dashboard")
        tryCompare(child(content, "screenLoader"), "status", Loader.Ready)
        compare(child(content, "screenLoader").item.objectName, "dashboardView")
        for (const section of content.sections)
            verify(!child(content, "sidebarRow_" + section.key).selected)
    }

    function test_statusBarWhileAnOperationRuns() {
        const content = createContent()
        const message = child(content, "statusMessage")
        DockViewModel.performAddSpacer("standard", "apps")
        // The script runs in another process, so the operation cannot have ended yet.
        verify(DockViewModel.isWorking)
        verify(child(content, "statusSpinner").running)
        verify(child(content, "statusApplying").visible)
        compare(child(content, "statusApplying").text, "Applying…")
        verify(child(content, "dashboardProgress").visible)

        verify(TestProbe.waitUntilIdle())
        verify(!child(content, "statusApplying").visible)
        verify(!child(content, "dashboardProgress").visible)
        tryCompare(message, "text", "Standard spacer added to Apps Section.")
        compare(String(message.color), String(Theme.secondaryText))
    }

    function test_statusBarAndAlertAfterAFailure() {
        const content = createContent()
        const message = child(content, "statusMessage")
        // Without a Dock preferences file the backup has nothing to copy, so it fails.
        TestProbe.removeDockPreferences()
        DockViewModel.performCreateBackup()
        verify(TestProbe.waitUntilIdle())
        tryCompare(message, "text", "Something went wrong.")
        verify(!child(content, "statusApplying").visible)
        verify(DockViewModel.lastError !== "")
        compare(String(message.color), String(Theme.red))
        compare(TestProbe.accessibleRole(message), Accessible.StaticText)
        compare(TestProbe.accessibleName(message), "Something went wrong.")

        const alert = child(content, "errorAlert")
        tryCompare(alert, "opened", true)
        compare(alert.title, "Something went wrong")
        const alertMessage = child(alert.contentItem.parent, "errorAlertMessage")
        compare(alertMessage.text, DockViewModel.lastError)

        mouseClick(child(alert.footer, "errorAlertOk"))
        compare(DockViewModel.lastError, "")
        tryCompare(alert, "visible", false)
        // The message stays until the next operation ends; only its colour says the error was seen.
        compare(message.text, "Something went wrong.")
        compare(String(message.color), String(Theme.secondaryText))
    }

    function test_alertOkPressedByAScreenReader() {
        const content = createContent()
        TestProbe.removeDockPreferences()
        DockViewModel.performCreateBackup()
        verify(TestProbe.waitUntilIdle())
        const alert = child(content, "errorAlert")
        tryCompare(alert, "opened", true)
        verify(TestProbe.accessibleAction(child(alert.footer, "errorAlertOk"), "Press"))
        compare(DockViewModel.lastError, "")
        tryCompare(alert, "visible", false)
    }

    function test_alertDismissedByEscapeAlsoClearsTheError() {
        const content = createContent()
        TestProbe.removeDockPreferences()
        DockViewModel.performCreateBackup()
        verify(TestProbe.waitUntilIdle())
        const alert = child(content, "errorAlert")
        tryCompare(alert, "opened", true)
        keyClick(Qt.Key_Escape)
        tryCompare(alert, "visible", false)
        compare(DockViewModel.lastError, "")
    }
}
