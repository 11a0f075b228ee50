// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Berthwise
import BerthwiseTest

ScreenTestCase {
    id: testCase

    name: "Components"

    Component { id: timeComponent; TimePicker {} }

    // A picker in a scrolling sheet's body, which must stay put while a wheel turns.
    Component {
        id: scrollingTimeComponent

        Flickable {
            property alias picker: picker

            width: 300
            height: 150
            contentHeight: 600
            TimePicker { id: picker; y: 20; locale: Qt.locale("de_DE"); minute: 30 }
        }
    }

    Component {
        id: sheetComponent

        SheetFrame {
            property int accepts: 0
            property int rejects: 0

            title: "New Schedule"
            caption: "Choose a profile, time, and days"
            icon: "clock.badge.checkmark"
            showsCloseButton: true
            defaultText: "Add Schedule"
            onAccepted: accepts++
            onRejected: rejects++

            TextInputField { objectName: "nameField" }
        }
    }

    // Each wheel turns round on its own; in a 12-hour locale the hours run 12, 1, ... 11 within
    // their half of the day.
    function test_timePickerWheels_data() {
        return table(["tag", "locale", "hour", "minute", "wheel", "way", "hour2", "minute2", "shown"], [
            ["24 h: 23 h on to 0 h", "de_DE", 23, 30, "hourWheel", "Increase", 0, 30, "00"],
            ["24 h: 0 h back to 23 h", "de_DE", 0, 0, "hourWheel", "Decrease", 23, 0, "23"],
            ["59 min on to 0 min, hour kept", "de_DE", 9, 59, "minuteWheel", "Increase", 9, 0, "00"],
            ["0 min back to 59 min by the down key", "de_DE", 9, 0, "minuteWheel", Qt.Key_Down, 9, 59, "59"],
            ["12 h: 11 AM on to 12 AM", "en_US", 11, 5, "hourWheel", "Increase", 0, 5, "12"],
            ["12 h: 11 PM on to 12 PM by the up key", "en_US", 23, 0, "hourWheel", Qt.Key_Up, 12, 0, "12"],
            ["12 h: 9 AM to 9 PM", "en_US", 9, 0, "periodWheel", "Increase", 21, 0, "PM"],
            ["12 h: 1 PM down to 12 PM", "en_US", 13, 0, "hourWheel", "Decrease", 12, 0, "12"]
        ]);
    }

    function test_timePickerWheels(data) {
        const picker = createTemporaryObject(timeComponent, testCase,
                                             { locale: Qt.locale(data.locale), hour: data.hour, minute: data.minute });
        compare(child(picker, "periodWheel").visible, data.locale === "en_US");
        const wheel = child(picker, data.wheel);
        compare(TestProbe.accessibleRole(wheel), Accessible.SpinBox);
        operate(wheel, data.way);
        compare([picker.hour, picker.minute], [data.hour2, data.minute2]);
        compare(wheel.labels[wheel.currentIndex], data.shown);
        // Set from outside, as an editor does when it opens on a schedule, the wheels follow.
        picker.hour = 13;
        const hours = child(picker, "hourWheel");
        compare(hours.labels[hours.currentIndex], data.locale === "en_US" ? "1" : "13");
    }

    // The mouse wheel and the trackpad turn each wheel a step at a time, down being the next value,
    // and the sheet around it does not scroll.
    function test_timeWheelsTurnWithTheWheel_data() {
        return table(["tag", "wheel", "notches", "pixels", "hour", "minute"], [
            ["one notch down", "minuteWheel", [-120], [], 9, 31],
            ["three notches up", "minuteWheel", [120, 120, 120], [], 9, 27],
            ["a fine wheel's eighth notches add up", "hourWheel", [-15, -15, -15, -15, -15, -15, -15, -15], [], 10, 30],
            ["a trackpad's pixels add up to a row", "minuteWheel", [], [-12, -12, -12, -12], 9, 31],
            ["a short trackpad swipe turns nothing", "hourWheel", [], [10, 10], 9, 30],
            ["a trackpad swipe of two rows up", "hourWheel", [], [40, 32], 7, 30]
        ]);
    }

    function test_timeWheelsTurnWithTheWheel(data) {
        const sheet = createTemporaryObject(scrollingTimeComponent, testCase);
        sheet.picker.hour = 9;
        const wheel = child(sheet.picker, data.wheel);
        for (const notch of data.notches)
            mouseWheel(wheel, wheel.width / 2, wheel.height / 2, 0, notch);
        for (const pixels of data.pixels)
            TestProbe.trackpadScroll(wheel, pixels);
        compare([sheet.picker.hour, sheet.picker.minute], [data.hour, data.minute]);
        compare(sheet.contentY, 0);
    }

    // Return presses the default button unless a focused button takes it, and never a destructive
    // one: there it cancels. Escape and every other way out cancel.
    function test_sheetKeysAndButtons_data() {
        return table(["tag", "target", "way", "accepts", "rejects", "disabled", "destructive"], [
            ["Return in a destructive sheet", "nameField", Qt.Key_Return, 0, 1, false, true],
            ["Enter on the focused destructive button", "sheetDefault", Qt.Key_Enter, 0, 1, false, true],
            ["Space on the focused destructive button", "sheetDefault", Qt.Key_Space, 1, 0, false, true],
            ["Return in the text field", "nameField", Qt.Key_Return, 1, 0],
            ["Enter in the text field", "nameField", Qt.Key_Enter, 1, 0],
            ["Return with the default button disabled", "nameField", Qt.Key_Return, 0, 0, true],
            ["Return on the focused Cancel", "sheetCancel", Qt.Key_Return, 0, 1],
            ["Escape", "nameField", Qt.Key_Escape, 0, 1],
            ["close button clicked", "sheetClose", "click", 0, 1],
            ["Cancel pressed by a screen reader", "sheetCancel", "Press", 0, 1],
            ["default button clicked", "sheetDefault", "click", 1, 0]
        ]);
    }

    function test_sheetKeysAndButtons(data) {
        const sheet = createTemporaryObject(sheetComponent, testCase,
                                            { defaultEnabled: !data.disabled, destructive: !!data.destructive });
        sheet.open();
        tryCompare(sheet, "opened", true);
        const popup = sheet.contentItem.parent;
        // Tall enough for all its parts, or clicks meant for the body land outside it.
        verify(sheet.height >= sheet.implicitHeaderHeight + sheet.implicitFooterHeight
               + child(popup, "nameField").height);
        operate(child(popup, data.target), data.way);
        compare(sheet.accepts, data.accepts);
        compare(sheet.rejects, data.rejects);
        tryCompare(sheet, "visible", !!data.disabled);
    }
}
