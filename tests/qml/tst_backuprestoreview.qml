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

    // The list is read from the folder each time the screen appears, hand-placed files included, and
    // follows at once. A delete is final at once: no question and nothing in the status line.
    function test_savedBackups_data() {
        return [
            { tag: "none", files: [], count: "" },
            { tag: "two, one named by hand", files: [older, "my backup.plist"], count: "2 backups" },
            { tag: "created by a screen reader", action: "createBackupButton", way: "Press", count: "3 backups",
              status: "Backup created successfully." },
            { tag: "deleted by a click", action: "deleteButton", way: "click", count: "1 backup" }
        ]
    }

    function test_savedBackups(data) {
        const view = createView(data.files)
        const status = DockViewModel.statusMessage
        const deletes = data.action === "deleteButton"
        if (data.action) {
            const trash = button(view, older, "deleteButton")
            compare(TestProbe.accessibleName(trash), "Delete")
            operate(deletes ? trash : child(view, data.action), data.way)
            compare(DockViewModel.isWorking, !deletes)
            idle()
            settled(view)
            compare(TestProbe.backupFiles().includes(older), !deletes)
        }
        const count = child(view, "backupCount")
        compare(count.visible ? count.text : "", data.count)
        compare(child(view, "backupsEmptyState").visible, data.count === "")
        compare(TestProbe.backupFiles().length, Number(data.count.split(" ")[0]))
        for (const file of TestProbe.backupFiles())
            verify(child(view, "backupRow_" + file).visible, file)
        compare(DockViewModel.statusMessage, data.status ?? status)
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
