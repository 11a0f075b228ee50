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
    readonly property string resetScript: "defaults delete com.apple.dock || true\nkillall Dock"

    Component {
        id: viewComponent
        BackupRestoreView {
            width: testCase.width
            height: testCase.height
        }
    }

    // Distinct contents tell which backup a restore put in place.
    function dockWithSize(size) {
        return "<plist version=\"1.0\"><dict><key>tilesize</key><integer>" + size + "</integer></dict></plist>\n"
    }

    function writeBackups() {
        TestProbe.writeFile(TestProbe.backupFile(older), dockWithSize(30))
        TestProbe.writeFile(TestProbe.backupFile(newer), dockWithSize(50))
    }

    function createView() {
        const view = createTemporaryObject(viewComponent, testCase)
        settled(child(view, "backupsEmptyState").parent)
        return view
    }

    function button(view, row, name) {
        return child(child(view, "backupRow_" + row), name)
    }

    function init() {
        idle()
        TestProbe.resetDockFiles()
        TestProbe.clearRecords()
        DockViewModel.lastError = ""
    }

    // The list is read from the folder each time the screen appears, hand-placed files included.
    function test_savedBackups_data() {
        return [
            { tag: "none", files: [], count: "" },
            { tag: "one", files: [older], count: "1 backup" },
            { tag: "two, one named by hand", files: [older, "my backup.plist"], count: "2 backups" }
        ]
    }

    function test_savedBackups(data) {
        for (const file of data.files)
            TestProbe.writeFile(TestProbe.backupFile(file), dockWithSize(40))
        const view = createView()
        const count = child(view, "backupCount")
        compare(count.visible, data.count !== "")
        if (data.count !== "")
            compare(count.text, data.count)
        compare(child(view, "backupsEmptyState").visible, data.count === "")
        for (const file of data.files)
            verify(child(view, "backupRow_" + file).visible)
    }

    function test_createBackup() {
        TestProbe.writeFile(TestProbe.backupFile(older), dockWithSize(30))
        const view = createView()
        operate(child(view, "createBackupButton"), "Press")
        idle()
        compare(DockViewModel.statusMessage, "Backup created successfully.")
        compare(TestProbe.backupFiles().length, 2)
        compare(child(view, "backupCount").text, "2 backups")
    }

    // Nothing reaches the Dock until the dialog's own button is pressed, and a restore puts back the
    // backup chosen last.
    function test_confirmations_data() {
        return [
            { tag: "reset cancelled", opener: "resetButton", answer: "cancel", way: "click" },
            { tag: "reset confirmed by a screen reader", opener: "resetButton", answer: "confirm", way: "Press",
              status: "Dock reset to Apple defaults.", scripts: [resetScript] },
            { tag: "restore cancelled with Escape", opener: older, answer: "cancel", way: "escape" },
            { tag: "restore of the backup chosen last", cancelledFirst: older, opener: newer, answer: "confirm",
              way: "click", status: "Dock restored from backup.", restored: dockWithSize(50) }
        ]
    }

    function test_confirmations(data) {
        writeBackups()
        const view = createView()
        const before = TestProbe.fileText(TestProbe.dockPreferencesFile())
        const status = DockViewModel.statusMessage
        const dialog = child(view, data.opener === "resetButton" ? "resetConfirmation" : "restoreConfirmation")
        if (data.cancelledFirst) {
            operate(button(view, data.cancelledFirst, "restoreButton"), "click")
            tryCompare(dialog, "opened", true)
            operate(dialog.cancelButton, "click")
            tryCompare(dialog, "visible", false)
        }

        operate(data.opener === "resetButton" ? child(view, "resetButton") : button(view, data.opener, "restoreButton"),
                "click")
        tryCompare(dialog, "opened", true)
        verify(dialog.footer.y >= dialog.header.y + dialog.header.height, "the buttons cover the title")
        if (data.opener !== "resetButton")
            compare(dialog.message, "Your current Dock will be replaced with: " + data.opener)
        verify(!DockViewModel.isWorking)
        if (data.way === "escape")
            keyClick(Qt.Key_Escape)
        else
            operate(data.answer === "confirm" ? dialog.defaultButton : dialog.cancelButton, data.way)
        tryCompare(dialog, "visible", false)
        idle()

        compare(DockViewModel.statusMessage, data.status ?? status)
        compare(TestProbe.recordedScripts(), data.scripts ?? [])
        compare(TestProbe.fileText(TestProbe.dockPreferencesFile()), data.restored ?? before)
        compare(DockViewModel.lastError, "")
    }

    // A delete is final at once: no question and nothing in the status line.
    function test_deleteAtOnce_data() {
        return [
            { tag: "clicked", way: "click" },
            { tag: "pressed by a screen reader", way: "Press" }
        ]
    }

    function test_deleteAtOnce(data) {
        writeBackups()
        const view = createView()
        const status = DockViewModel.statusMessage
        const trash = button(view, older, "deleteButton")
        compare(TestProbe.accessibleName(trash), "Delete")
        operate(trash, data.way)
        verify(!DockViewModel.isWorking)
        compare(TestProbe.backupFiles(), [newer])
        compare(child(view, "backupCount").text, "1 backup")
        compare(DockViewModel.statusMessage, status)
        verify(!child(view, "resetConfirmation").visible && !child(view, "restoreConfirmation").visible)
    }
}
