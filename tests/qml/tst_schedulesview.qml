// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Berthwise
import BerthwiseTest

ScreenTestCase {
    id: testCase

    name: "SchedulesView"

    Component {
        id: screenComponent

        SchedulesView {
            width: testCase.width
            height: testCase.height
        }
    }

    property var screen
    property var profileIds: []
    // Monday 17 March 2025, 9:00:10 local time; months count from 0.
    readonly property date mondayNine: new Date(2025, 2, 17, 9, 0, 10)
    readonly property var weekdays: [2, 3, 4, 5, 6]

    function init() {
        idle();
        DockViewModel.lastError = "";
        while (DockViewModel.schedules.count > 0)
            DockViewModel.deleteSchedule(DockViewModel.schedules.get(0).scheduleId);
        profileIds = TestProbe.storeProfiles(["Work", "Evening"]);
    }

    function showScreen() {
        screen = createTemporaryObject(screenComponent, testCase);
        return settled(screen);
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
        return sheet;
    }

    function inEditor(objectName) {
        return settled(child(editor().contentItem.parent, objectName));
    }

    function storedAt(row) {
        return JSON.parse(TestProbe.fileText(TestProbe.schedulesFile()))[row];
    }

    function waitForEditorToClose() {
        tryVerify(() => !item("scheduleEditor").visible, 5000, "the editor closes");
    }

    // Without profiles nothing can be scheduled: no way to add is offered, and an editor opened
    // anyway says why and cannot save.
    function test_emptyStateAndNewEditor_data() {
        return [
            { tag: "without profiles", profiles: [] },
            { tag: "with profiles", profiles: ["Work", "Evening"] }
        ];
    }

    function test_emptyStateAndNewEditor(data) {
        profileIds = TestProbe.storeProfiles(data.profiles);
        showScreen();
        const hasProfiles = data.profiles.length > 0;
        verify(item("schedulesEmptyState").visible);
        verify(!item("scheduleList").visible);
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
                ["", 9, 0, weekdays, true]);
        verify(!inEditor("sheetDefault").enabled);
        if (!hasProfiles)
            return;
        operate(inEditor("profileRow_Evening"), "Toggle");
        verify(inEditor("profileRow_Evening").isSelected && !inEditor("profileRow_Work").isSelected);
        verify(inEditor("sheetDefault").enabled);
    }

    // Tab walks the editor in reading order with no hidden stops, scrolling each stop into view when
    // the editor is taller than the window; Space presses, the arrow keys turn the wheels, and Return
    // presses the focused default button.
    function test_editorByKeyboardOnly() {
        profileIds = TestProbe.storeProfiles(["Work", "Evening", "Gaming", "Reading", "Travel"]);
        showScreen();
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
        waitForEditorToClose();
        verify(item("scheduleList").visible && !item("schedulesEmptyState").visible);
        // The button that opened the editor went with the empty state; the focus is not lost, and
        // the editor opens afresh.
        tryVerify(() => item("addScheduleButton").activeFocus);
        keyClick(Qt.Key_Space);
        editor();
        keyClick(Qt.Key_Tab);
        compare(testCase.Window.activeFocusItem.objectName, "profileRow_Work");
        keyClick(Qt.Key_Escape);
        const saved = scheduleAt(0);
        compare([saved.profileName, saved.hour, saved.minute, saved.days, saved.isEnabled],
                ["Gaming", 18, 59, [2, 3, 4, 5, 6, 7], false]);
    }

    // Weekday numbers: Sunday is 1, Saturday 7. The last day left stays chosen.
    function test_daysOfANewSchedule_data() {
        return [
            { tag: "Weekends", presses: ["daySet_Weekends"], days: [1, 7], summary: "Weekends" },
            { tag: "Every Day", presses: ["daySet_Every Day"], days: [1, 2, 3, 4, 5, 6, 7], summary: "Every day" },
            { tag: "the last day stays", presses: ["daySet_Weekends", "day_Saturday", "day_Sunday"], days: [1],
              summary: "Sunday" }
        ];
    }

    function test_daysOfANewSchedule(data) {
        showScreen();
        operate(item("addScheduleButton"), "click");
        const sheet = editor();
        operate(inEditor("profileRow_Work"), "click");
        for (const press of data.presses)
            operate(inEditor(press), "click");
        compare(sheet.selectedDays, data.days);
        operate(inEditor("sheetDefault"), "click");
        waitForEditorToClose();
        compare(scheduleAt(0).days, data.days);
        compare(scheduleAt(0).daysSummary, data.summary);
    }

    // An edit keeps the schedule's identity and place, and lets it fire again in its minute; the
    // switch changes nothing but whether it is enabled.
    function test_editAndSwitch_data() {
        return [
            { tag: "edit button clicked", control: "editSchedule", way: "click", edits: true },
            { tag: "edit button pressed by a screen reader", control: "editSchedule", way: "Press", edits: true },
            { tag: "switch clicked", control: "scheduleSwitch", way: "click", edits: false },
            { tag: "switch toggled by a screen reader", control: "scheduleSwitch", way: "Toggle", edits: false }
        ];
    }

    function test_editAndSwitch(data) {
        for (const hour of [7, 9, 18])
            DockViewModel.addSchedule(profileIds[0], hour, 0, [2], true);
        TestProbe.checkSchedulesAt(mondayNine);
        const ids = [0, 1, 2].map(row => scheduleAt(row).scheduleId);
        const applied = storedAt(1).lastAppliedDate;
        verify(applied !== undefined, "the runner marked the 9:00 schedule");
        showScreen();

        operate(child(card(1), data.control), data.way);
        if (data.edits) {
            const sheet = editor();
            compare(sheet.title, "Edit Schedule");
            compare(inEditor("sheetDefault").text, "Save Changes");
            verify(inEditor("profileRow_Work").isSelected);
            compare([sheet.hour, sheet.minute, sheet.selectedDays, sheet.isEnabled], [9, 0, [2], true]);
            operate(inEditor("minuteWheel"), "Increase");
            operate(inEditor("profileRow_Evening"), "click");
            operate(inEditor("sheetDefault"), "Press");
            waitForEditorToClose();
        }

        compare([0, 1, 2].map(row => scheduleAt(row).scheduleId), ids);
        const stored = storedAt(1);
        if (data.edits) {
            compare([stored.minute, stored.isEnabled, stored.profileID.toLowerCase()], [1, true, profileIds[1]]);
            verify(!("lastAppliedDate" in stored), "an edit lets the schedule fire again");
            return;
        }
        compare([stored.minute, stored.isEnabled, stored.profileID.toLowerCase()], [0, false, profileIds[0]]);
        compare(stored.lastAppliedDate, applied);
        // A disabled schedule is greyed throughout.
        compare(String(child(card(1), "scheduleDays").tint), String(Theme.grey));
        compare(String(child(card(1), "scheduleTime").color), String(Theme.secondaryText));
        compare(String(child(card(1), "scheduleTile").symbolColor), String(Theme.secondaryText));
    }

    // Its schedules stay when a profile goes; saving one without choosing again keeps the old profile.
    function test_scheduleOfADeletedProfile() {
        DockViewModel.addSchedule(profileIds[0], 8, 30, [1, 7], true);
        profileIds = TestProbe.storeProfiles(["Evening"]);
        const oldProfile = storedAt(0).profileID;
        showScreen();
        compare(child(card(0), "scheduleProfile").text, "Deleted Profile");
        compare(child(card(0), "scheduleTile").icon, "square.stack.3d.up.fill");

        operate(child(card(0), "editSchedule"), "click");
        const sheet = editor();
        verify(!inEditor("profileRow_Evening").isSelected);
        verify(inEditor("sheetDefault").enabled);
        operate(inEditor("hourWheel"), Qt.Key_Up);
        keyClick(Qt.Key_Return);
        waitForEditorToClose();
        compare(storedAt(0).profileID, oldProfile);
        compare(storedAt(0).hour, 9);
    }

    // Deleting takes effect at once, with nothing to confirm and nothing to undo; from the keyboard,
    // the focus moves on rather than going with the card.
    function test_deleteIsImmediate() {
        DockViewModel.addSchedule(profileIds[0], 8, 30, [2], true);
        DockViewModel.addSchedule(profileIds[1], 20, 0, [2], true);
        const kept = scheduleAt(1).scheduleId;
        showScreen();
        operate(child(card(0), "deleteSchedule"), Qt.Key_Space);
        compare(DockViewModel.schedules.count, 1);
        compare(scheduleAt(0).scheduleId, kept);
        compare(JSON.parse(TestProbe.fileText(TestProbe.schedulesFile())).length, 1);
        verify(!item("scheduleEditor").visible);
        verify(child(card(0), "editSchedule").activeFocus);
        operate(child(card(0), "deleteSchedule"), Qt.Key_Space);
        verify(item("addScheduleButton").activeFocus);
    }

    // The runner marks the schedule it applies while the screen is open; that must neither rebuild
    // the card under the keyboard focus nor reset an open editor. Keyboard users cannot hover, so
    // focus on any of a card's controls shows its buttons.
    function test_runnerTickKeepsFocusAndEditor() {
        DockViewModel.addSchedule(profileIds[0], 9, 0, [2], true);
        DockViewModel.addSchedule(profileIds[1], 20, 0, [2], true);
        showScreen();
        const firstCard = card(0);
        const editButton = child(firstCard, "editSchedule");
        compare(child(firstCard, "deleteSchedule").opacity, 0);
        child(firstCard, "scheduleSwitch").forceActiveFocus(Qt.TabFocusReason);
        tryCompare(child(firstCard, "deleteSchedule"), "opacity", 1);
        editButton.forceActiveFocus(Qt.TabFocusReason);

        TestProbe.checkSchedulesAt(mondayNine);
        verify(storedAt(0).lastAppliedDate !== undefined);
        compare(card(0), firstCard);
        verify(editButton.activeFocus);

        keyClick(Qt.Key_Space);
        const sheet = editor();
        operate(inEditor("minuteWheel"), "Increase");
        const nextWeek = new Date(2025, 2, 24, 9, 0, 10);
        TestProbe.checkSchedulesAt(nextWeek);
        verify(sheet.opened);
        compare(sheet.minute, 1);
    }
}
