// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Berthwise
import BerthwiseTest

// A long-used install holds thousands of backups and hundreds of profiles and schedules: each list
// screen makes rows only for what is in view, and still reaches every row by the keyboard and by a
// screen reader.
ScreenTestCase {
    id: testCase
    name: "LongLists"
    width: 1100
    height: 720

    readonly property int records: 1500

    Component { id: profilesComponent; ProfilesView {} }
    Component { id: schedulesComponent; SchedulesView {} }
    Component { id: backupsComponent; BackupRestoreView {} }

    function backupName(number) {
        return "com.apple.dock.backup.2025" + String(Math.floor(number / 28) % 12 + 1).padStart(2, "0")
               + String(number % 28 + 1).padStart(2, "0") + "-" + String(number).padStart(6, "0") + ".plist"
    }

    function initTestCase() {
        TestProbe.resetDockFiles()
        const names = Array.from({ length: records }, (_, index) => "Profile " + String(index).padStart(4, "0"))
        const ids = TestProbe.storeProfiles(names)
        TestProbe.writeFile(TestProbe.schedulesFile(), JSON.stringify(ids.map((id, index) => ({
            id: "5E0C7A1B-2D3F-4A5B-8C9D-" + String(index).padStart(12, "0"), profileID: id,
            hour: index % 24, minute: index % 60, days: [2], isEnabled: index % 2 === 0
        }))))
        for (let number = 0; number < records; ++number)
            TestProbe.writeFile(TestProbe.backupFile(backupName(number)), "<plist version=\"1.0\"><dict/></plist>\n")
    }

    function screens() {
        return [
            { tag: "profiles", component: profilesComponent, model: DockViewModel.profiles, prefix: "profileCard_",
              rowName: row => row.name, stops: ["profileMenu", "applyButton"] },
            { tag: "schedules", component: schedulesComponent, model: DockViewModel.schedules, prefix: "scheduleCard_",
              rowName: row => row.scheduleId, stops: ["editSchedule", "deleteSchedule", "scheduleSwitch"] },
            { tag: "backups", component: backupsComponent, model: DockViewModel.backups, prefix: "backupRow_",
              rowName: row => row.fileName, stops: ["restoreButton", "deleteButton"] }
        ]
    }

    function rowsMade(view) {
        return Array.from(view.contentItem.children).filter(item => item.objectName.startsWith(screen.prefix))
    }

    property var screen

    function open(data) {
        screen = data
        const view = show(data.component)
        compare(data.model.count, records)
        return view
    }

    // The row at `index` as the view shows it, made and scrolled into view first.
    function rowAt(view, index) {
        view.positionViewAtIndex(index, ListView.Contain)
        const row = view.itemAtIndex(index)
        verify(row, "no row " + index)
        return row
    }

    function test_fewRowsAndEveryOneReachable_data() {
        return screens()
    }

    function test_fewRowsAndEveryOneReachable(data) {
        const view = open(data)
        const made = rowsMade(view).length
        verify(made > 0 && made < 60, made + " rows made for " + records + " records")

        // Tab walks row after row in the order shown, into rows that did not exist.
        const first = child(rowAt(view, 0), data.stops[0])
        first.forceActiveFocus(Qt.TabFocusReason)
        for (let row = 0; row < 25; ++row) {
            for (const stop of data.stops) {
                const focused = Window.activeFocusItem
                compare(focused.objectName, stop, "row " + row)
                compare(view.itemAtIndex(row) && child(view.itemAtIndex(row), stop), focused, "row " + row)
                const shown = focused.mapToItem(view, 0, 0)
                verify(shown.y >= 0 && shown.y + focused.height <= view.height, "row " + row + " in view")
                keyClick(Qt.Key_Tab)
            }
        }
        for (let stop = data.stops.length - 1; stop >= 0; --stop)
            keyClick(Qt.Key_Backtab)
        compare(Window.activeFocusItem, child(view.itemAtIndex(24), data.stops[0]))
        // Past the last row the keyboard leaves the list.
        child(rowAt(view, records - 1), data.stops[0]).forceActiveFocus(Qt.TabFocusReason)
        keyClick(Qt.Key_Backtab)
        compare(Window.activeFocusItem, child(view.itemAtIndex(records - 2), data.stops[data.stops.length - 1]))
        verify(rowsMade(view).length < 60, "rows pile up as the keyboard walks")

        // A screen reader scrolls a tenth at a time down to the last row, and reads its name.
        view.positionViewAtBeginning()
        const bar = child(view, "pageScrollBar")
        for (let step = 0; step < 20 && !view.atYEnd; ++step)
            verify(TestProbe.accessibleAction(bar, "Increase"))
        verify(view.atYEnd)
        settled(view)
        const last = view.itemAtIndex(records - 1)
        verify(last && last.visible, "the last row is shown")
        compare(last.objectName, data.prefix + data.rowName(data.model.get(records - 1)))
    }

    // The schedule editor offers every profile, yet makes only the rows in view, and Tab walks
    // them all in order.
    function test_scheduleEditorOffersEveryProfile() {
        const view = open(screens()[1])
        view.openEditor("")
        const sheet = child(view, "scheduleEditor")
        tryCompare(sheet, "opened", true)
        const list = settled(child(sheet.contentItem.parent, "profileRows"))
        compare(list.count, DockViewModel.profiles.count)
        const made = Array.from(list.contentItem.children).filter(item => item.objectName.startsWith("profileRow_"))
        verify(made.length > 0 && made.length < 30, made.length + " rows made")
        list.itemAtIndex(0).forceActiveFocus(Qt.TabFocusReason)
        for (let row = 1; row < 40; ++row) {
            keyClick(Qt.Key_Tab)
            compare(Window.activeFocusItem.objectName, "profileRow_" + DockViewModel.profiles.get(row).name)
        }
        keyClick(Qt.Key_Escape)
    }
}
