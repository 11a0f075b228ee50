// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Berthwise
import BerthwiseTest

ScreenTestCase {
    id: testCase

    name: "SchedulesView"

    Component { id: screenComponent; SchedulesView {} }

    property var screen
    property var profileIds: []
    // Monday 17 March 2025, 9:00:10 local time; months count from 0.
    readonly property date mondayNine: new Date(2025, 2, 17, 9, 0, 10)

    function init() {
        freshStart();
        while (DockViewModel.schedules.count > 0)
            DockViewModel.deleteSchedule(scheduleAt(0).scheduleId);
        profileIds = TestProbe.storeProfiles(["Work", "Evening"]);
    }

    function item(objectName) {
        return child(screen, objectName);
    }

    function scheduleAt(row) {
        return DockViewModel.schedules.get(row);
    }

    function card(row) {
        return settled(item("scheduleCard_" + scheduleAt(row).scheduleId));
    }

    function editor() {
        const sheet = item("scheduleEditor");
        tryVerify(() => sheet.opened, 5000, "the editor opens");
        // Its profile rows are made as the list is first laid out.
        settled(child(sheet.contentItem.parent, "profileRows"));
        return sheet;
    }

    function inEditor(objectName) {
        return settled(child(editor().contentItem.parent, objectName));
    }

    // The schedules file as the next start would read it.
    function stored() {
        return JSON.parse(TestProbe.fileText(TestProbe.schedulesFile()));
    }

    // Without profiles nothing can be scheduled: no way to add is offered, and an editor opened
    // anyway says why and cannot save. A new schedule starts at 9:00 on weekdays, enabled, with no
    // profile; the last day left stays chosen. Weekday numbers: Sunday is 1, Saturday 7.
    function test_emptyStateAndNewSchedule_data() {
        return [
            { tag: "without profiles", profiles: [] },
            { tag: "Weekends", presses: [["daySet_Weekends", "click"]], days: [1, 7], summary: "Weekends" },
            { tag: "the last day stays", presses: [["daySet_Weekends", "click"], ["day_Saturday", "Toggle"],
                                                   ["day_Sunday", "click"]], days: [1], summary: "Sunday" }
        ];
    }

    function test_emptyStateAndNewSchedule(data) {
        const hasProfiles = !data.profiles;
        if (!hasProfiles)
            TestProbe.storeProfiles(data.profiles);
        screen = show(screenComponent);
        verify(item("schedulesEmptyState").visible && screen.count === 0);
        compare(item("emptyStateAction").visible, hasProfiles);
        compare(item("createProfileHint").visible, !hasProfiles);
        compare(item("addScheduleButton").enabled, hasProfiles);

        if (hasProfiles)
            operate(item("emptyStateAction"), "Press");
        else
            screen.openEditor("");
        const sheet = editor();
        compare(sheet.title, "New Schedule");
        compare(inEditor("sheetDefault").text, "Add Schedule");
        compare(inEditor("noProfilesNote").visible, !hasProfiles);
        compare([sheet.selectedProfileId, sheet.hour, sheet.minute, sheet.selectedDays, sheet.isEnabled],
                ["", 9, 0, [2, 3, 4, 5, 6], true]);
        verify(!inEditor("sheetDefault").enabled);
        if (!hasProfiles)
            return;
        operate(inEditor("profileRow_Evening"), "Toggle");
        verify(inEditor("profileRow_Evening").isSelected && !inEditor("profileRow_Work").isSelected);
        verify(inEditor("sheetDefault").enabled);
        for (const [press, way] of data.presses)
            operate(inEditor(press), way);
        compare(sheet.selectedDays, data.days);
        finishSheet(sheet, "click");
        compare([scheduleAt(0).days, scheduleAt(0).daysSummary], [data.days, data.summary]);
    }

    // Tab walks the editor in reading order with no hidden stops, scrolling each stop into view when
    // the editor is taller than the window; Space presses, the arrow keys turn the wheels, and Return
    // presses the focused default button.
    function test_editorByKeyboardOnly() {
        TestProbe.storeProfiles(["Work", "Evening", "Gaming", "Reading", "Travel"]);
        screen = show(screenComponent);
        operate(item("emptyStateAction"), Qt.Key_Space);
        const sheet = editor();
        const walk = [
            ["profileRow_Work"], ["profileRow_Evening"], ["profileRow_Gaming", Qt.Key_Space], ["profileRow_Reading"],
            ["profileRow_Travel"], ["hourWheel", ...Array(9).fill(Qt.Key_Up)], ["minuteWheel", Qt.Key_Down],
            ["day_Monday"], ["day_Tuesday"], ["day_Wednesday"], ["day_Thursday"], ["day_Friday"],
            ["day_Saturday", Qt.Key_Space], ["day_Sunday"], ["daySet_Weekdays"], ["daySet_Weekends"],
            ["daySet_Every Day"], ["enableSwitch", Qt.Key_Space], ["sheetCancel"], ["sheetDefault", Qt.Key_Return]
        ];
        keyClick(Qt.Key_Tab);
        for (const [name, ...keys] of walk) {
            const focused = testCase.Window.activeFocusItem;
            compare(focused.objectName, name);
            const shown = focused.mapToItem(sheet.contentItem.parent, 0, 0);
            verify(shown.y >= 0 && shown.y + focused.height <= sheet.height, name + " is in view");
            for (const key of keys)
                keyClick(key);
            if (name !== "sheetDefault")
                keyClick(Qt.Key_Tab);
        }
        tryCompare(sheet, "visible", false);
        verify(screen.count > 0 && !item("schedulesEmptyState").visible);
        // The button that opened the editor went with the empty state; the focus is not lost.
        tryVerify(() => item("addScheduleButton").activeFocus);
        const saved = scheduleAt(0);
        compare([saved.profileName, saved.hour, saved.minute, saved.days, saved.isEnabled],
                ["Gaming", 18, 59, [2, 3, 4, 5, 6, 7], false]);
    }

    // An edit keeps the schedule's identity and place, and lets it fire again in its minute; the
    // switch changes nothing but whether it is enabled.
    function test_editAndSwitch_data() {
        return table(["tag", "control", "way"], [
            ["edit button clicked", "editSchedule", "click"],
            ["switch clicked", "scheduleSwitch", "click"]
        ]);
    }

    function test_editAndSwitch(data) {
        for (const hour of [7, 9, 18])
            DockViewModel.addSchedule(profileIds[0], hour, 0, [2], true);
        TestProbe.checkSchedulesAt(mondayNine);
        const ids = [0, 1, 2].map(row => scheduleAt(row).scheduleId);
        const applied = stored()[1].lastAppliedDate;
        verify(applied !== undefined, "the runner marked the 9:00 schedule");
        screen = show(screenComponent);
        const changed = card(1);

        operate(child(changed, data.control), data.way);
        const edits = data.control === "editSchedule";
        if (edits) {
            const sheet = editor();
            compare(sheet.title, "Edit Schedule");
            compare(inEditor("sheetDefault").text, "Save Changes");
            verify(inEditor("profileRow_Work").isSelected);
            compare([sheet.hour, sheet.minute, sheet.selectedDays, sheet.isEnabled], [9, 0, [2], true]);
            operate(inEditor("minuteWheel"), "Increase");
            operate(inEditor("profileRow_Evening"), "click");
            finishSheet(sheet, "Press");
        }

        compare([0, 1, 2].map(row => scheduleAt(row).scheduleId), ids);
        // Changed in place, the card survives with its focus and hover.
        compare(card(1), changed);
        const saved = stored()[1];
        compare([saved.minute, saved.isEnabled, saved.profileID.toLowerCase(), saved.lastAppliedDate],
                edits ? [1, true, profileIds[1], undefined] : [0, false, profileIds[0], applied]);
    }

    // Its schedules stay when a profile goes, and say so; saving one without choosing again keeps the
    // old profile.
    function test_scheduleOfADeletedProfile() {
        DockViewModel.addSchedule(profileIds[0], 8, 30, [1, 7], true);
        TestProbe.storeProfiles(["Evening"]);
        const oldProfile = stored()[0].profileID;
        screen = show(screenComponent);
        compare(scheduleAt(0).profileName, "Deleted Profile");
        operate(child(card(0), "editSchedule"), "click");
        verify(!inEditor("profileRow_Evening").isSelected);
        verify(inEditor("sheetDefault").enabled);
        operate(inEditor("hourWheel"), Qt.Key_Up);
        finishSheet(editor(), Qt.Key_Return);
        compare([stored()[0].profileID, stored()[0].hour], [oldProfile, 9]);
    }
}
