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

    Component { id: contentComponent; ContentView {} }
    Component { id: windowComponent; Main {} }

    // Runs before any test function, while nothing has been done yet.
    function initTestCase() {
        const content = show(contentComponent, "sidebarList")
        compare(child(content, "statusMessage").text, "Ready")
        verify(child(content, "sidebarRow_dashboard").selected)
    }

    // A closed window leaves the menu bar item and the schedules running, which add backups and
    // change the stores meanwhile: showing the window again shows its list screen as it is now.
    function test_listReloadsWhenTheWindowComesBack_data() {
        const profile = profileRecord("6F9619FF-8B86-D011-B42D-00C04FC964FF", "Meanwhile")
        const schedule = { id: "5E0C7A1B-2D3F-4A5B-8C9D-0E1F2A3B4C5D", profileID: profile.id, hour: 9, minute: 30,
                           days: [2], isEnabled: true }
        const backup = "com.apple.dock.backup.20250314-093005.plist"
        return [
            { tag: "profiles", section: "profiles", file: () => TestProbe.profilesFile(), text: JSON.stringify([profile]),
              row: "profileCard_Meanwhile" },
            { tag: "schedules", section: "schedules", file: () => TestProbe.schedulesFile(),
              text: JSON.stringify([schedule]), row: "scheduleCard_" + schedule.id.toLowerCase() },
            { tag: "backups", section: "backup", file: () => TestProbe.backupFile(backup),
              text: "<plist version=\"1.0\"><dict/></plist>\n", row: "backupRow_" + backup }
        ]
    }

    function test_listReloadsWhenTheWindowComesBack(data) {
        TestProbe.resetDockFiles()
        TestProbe.writeFile(TestProbe.profilesFile(), "[]")
        TestProbe.writeFile(TestProbe.schedulesFile(), "[]")
        const window = createTemporaryObject(windowComponent, testCase)
        window.showSection(data.section)
        const loader = child(window.contentItem, "screenLoader")
        tryCompare(loader, "status", Loader.Ready)
        const screen = loader.item
        verify(!findChild(screen, data.row))
        window.visible = false
        TestProbe.writeFile(data.file(), data.text)
        window.visible = true
        compare(loader.item, screen)
        tryVerify(() => findChild(screen, data.row) !== null, 5000, data.row + " is not listed")
    }

    // While an operation runs the status bar says so; a failure shows in red, and once the alert is
    // dismissed the error counts as seen.
    function test_statusBar() {
        const content = show(contentComponent, "sidebarList")
        const message = child(content, "statusMessage")
        // Without a Dock preferences file the backup has nothing to copy, so it fails.
        TestProbe.removeDockPreferences()
        DockViewModel.createBackup()
        // Every operation starts on the next turn of the event loop, so it cannot have ended yet.
        verify(DockViewModel.isWorking)
        verify(child(content, "statusSpinner").running)
        verify(child(content, "statusApplying").visible)
        idle()
        verify(!child(content, "statusApplying").visible)
        tryCompare(message, "text", "Something went wrong.")
        compare(String(message.color), String(Theme.red))
        const alert = child(content, "errorAlert")
        tryCompare(alert, "opened", true)
        compare(child(alert.contentItem.parent, "errorAlertMessage").text, DockViewModel.lastError)
        operate(child(alert.footer, "errorAlertOk"), "click")
        tryCompare(alert, "visible", false)
        compare(DockViewModel.lastError, "")
        // The message stays until the next operation ends; only its colour says the error was seen.
        compare(message.text, "Something went wrong.")
        compare(String(message.color), String(Theme.secondaryText))
    }
}
