// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Berthwise
import BerthwiseTest

ScreenTestCase {
    id: testCase

    name: "SheetFrame"

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

            TextInputField {
                objectName: "nameField"
                placeholderText: "Profile name"
            }
        }
    }

    // Return presses the default button unless a focused button takes it; Escape and every other way
    // out cancel.
    function test_keysAndButtons_data() {
        return [
            { tag: "Return in the text field", focus: "nameField", key: Qt.Key_Return, accepts: 1, rejects: 0 },
            { tag: "Enter in the text field", focus: "nameField", key: Qt.Key_Enter, accepts: 1, rejects: 0 },
            { tag: "Return with the default button disabled", focus: "nameField", key: Qt.Key_Return,
              disabled: true, accepts: 0, rejects: 0, staysOpen: true },
            { tag: "Return on the focused Cancel", focus: "sheetCancel", key: Qt.Key_Return, accepts: 0, rejects: 1 },
            { tag: "Escape", focus: "nameField", key: Qt.Key_Escape, accepts: 0, rejects: 1 },
            { tag: "close button clicked", button: "sheetClose", way: "click", accepts: 0, rejects: 1 },
            { tag: "Cancel pressed by a screen reader", button: "sheetCancel", way: "Press", accepts: 0, rejects: 1 },
            { tag: "default button clicked", button: "sheetDefault", way: "click", accepts: 1, rejects: 0 }
        ];
    }

    function test_keysAndButtons(data) {
        const sheet = createTemporaryObject(sheetComponent, testCase, { defaultEnabled: !data.disabled });
        sheet.open();
        tryCompare(sheet, "opened", true);
        const popup = sheet.contentItem.parent;
        // Tall enough for all its parts, or clicks meant for the body land outside it.
        verify(sheet.height >= sheet.implicitHeaderHeight + sheet.implicitFooterHeight
               + child(popup, "nameField").height);
        if (data.button) {
            operate(child(popup, data.button), data.way);
        } else {
            child(popup, data.focus).forceActiveFocus(Qt.TabFocusReason);
            keyClick(data.key);
        }
        compare(sheet.accepts, data.accepts);
        compare(sheet.rejects, data.rejects);
        tryCompare(sheet, "visible", !!data.staysOpen);
    }
}
