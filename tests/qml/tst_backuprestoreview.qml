// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Berthwise
import BerthwiseTest

ScreenTestCase {
    id: testCase
    name: "BackupRestoreView"
    width: 1000
    height: 700

    readonly property string older: "com.apple.dock.backup.20250314-093005.plist"
    readonly property string newer: "com.apple.dock.backup.20250315-180000.plist"

    Component { id: viewComponent; BackupRestoreView {} }

    // Distinct contents tell which backup a restore put in place.
    function dockWithSize(size) {
        return "<plist version=\"1.0\"><dict><key>tilesize</key><integer>" + size + "</integer></dict></plist>\n"
    }

    // The list is read from the folder each time the screen appears, so backups go in first.
    function createView(files) {
        for (const file of files ?? [older, newer])
            TestProbe.writeFile(TestProbe.backupFile(file), dockWithSize(file === newer ? 50 : 30))
        return show(viewComponent)
    }

    function button(view, row, name) {
        return child(child(view, "backupRow_" + row), name)
    }

    function init() {
        freshStart()
        TestProbe.resetDockFiles()
    }

    // The list follows each change at once. A delete is final at once: no question and nothing in the
    // status line.
    function test_createAndDeleteFromTheList() {
        const view = createView([older])
        compare(child(view, "backupCount").text, "1 backup")
        operate(child(view, "createBackupButton"), "Press")
        idle()
        compare(DockViewModel.statusMessage, "Backup created successfully.")
        tryCompare(child(view, "backupCount"), "text", "2 backups")
        for (const file of TestProbe.backupFiles()) {
            const trash = button(settled(view), file, "deleteButton")
            compare(TestProbe.accessibleName(trash), "Delete")
            operate(trash, "click")
            idle()
        }
        verify(child(view, "backupsEmptyState").visible && !child(view, "backupCount").visible)
        compare(DockViewModel.statusMessage, "Backup created successfully.")
        verify(!child(view, "resetConfirmation").visible && !child(view, "restoreConfirmation").visible)
    }

    // Nothing reaches the Dock until the dialog's own button is pressed, and a restore puts back the
    // backup chosen last. Return confirms a restore but never the reset: there it dismisses.
    function test_confirmations_data() {
        return [
            { tag: "reset cancelled", opener: "resetButton", answer: "cancel", way: "click" },
            { tag: "reset confirmed by a screen reader", opener: "resetButton", answer: "confirm", way: "Press",
              status: "Dock reset to Apple defaults.", scripts: ["defaults delete com.apple.dock || true\nkillall Dock"] },
            { tag: "reset answered with Return", opener: "resetButton", way: Qt.Key_Return },
            { tag: "reset cancelled with Escape", opener: "resetButton", way: Qt.Key_Escape },
            { tag: "restore confirmed with Return", opener: newer, way: Qt.Key_Return, status: "Dock restored from backup.",
              restored: dockWithSize(50) },
            { tag: "restore of the backup chosen last", cancelledFirst: older, opener: newer, answer: "confirm",
              way: "click", status: "Dock restored from backup.", restored: dockWithSize(50) }
        ]
    }

    function test_confirmations(data) {
        const view = createView()
        const before = TestProbe.fileText(TestProbe.dockPreferencesFile())
        const status = DockViewModel.statusMessage
        const resets = data.opener === "resetButton"
        const dialog = child(view, resets ? "resetConfirmation" : "restoreConfirmation")
        if (data.cancelledFirst) {
            operate(button(view, data.cancelledFirst, "restoreButton"), "click")
            tryCompare(dialog, "opened", true)
            operate(dialog.cancelButton, "click")
            tryCompare(dialog, "visible", false)
        }

        operate(resets ? child(view, "resetButton") : button(view, data.opener, "restoreButton"), "click")
        tryCompare(dialog, "opened", true)
        if (!resets)
            compare(dialog.message, "Your current Dock will be replaced with: " + data.opener)
        verify(!DockViewModel.isWorking)
        if (typeof data.way === "number")
            keyClick(data.way)
        else
            operate(data.answer === "confirm" ? dialog.defaultButton : dialog.cancelButton, data.way)
        tryCompare(dialog, "visible", false)
        idle()

        compare(DockViewModel.statusMessage, data.status ?? status)
        compare(TestProbe.recordedScripts(), data.scripts ?? [])
        compare(TestProbe.fileText(TestProbe.dockPreferencesFile()), data.restored ?? before)
        compare(DockViewModel.lastError, "")
    }
}
