// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Berthwise
import BerthwiseTest

ScreenTestCase {
    id: testCase

    name: "Controls"

    Component {
        id: cardComponent

        PressableCard {
            property int activations: 0

            width: 200
            height: 120
            onActivated: activations++
        }
    }

    Component {
        id: timeComponent

        TimePicker {}
    }

    // A disabled card ignores every way of pressing it; an enabled one runs once for each.
    function test_pressableCardActsOncePerPress_data() {
        const rows = [];
        for (const way of ["click", Qt.Key_Space, Qt.Key_Return, Qt.Key_Enter, "Press"]) {
            rows.push({ tag: String(way), way: way, enabled: true });
            rows.push({ tag: String(way) + " while disabled", way: way, enabled: false });
        }
        return rows;
    }

    function test_pressableCardActsOncePerPress(data) {
        const card = createTemporaryObject(cardComponent, testCase, { enabled: data.enabled });
        if (data.enabled)
            operate(card, data.way);
        else if (data.way === "Press")
            TestProbe.accessibleAction(card, "Press");
        else if (data.way === "click")
            mouseClick(card);
        else
            keyClick(data.way);
        compare(card.activations, data.enabled ? 1 : 0);
    }

    // Each wheel turns round on its own; in a 12-hour locale the hours run 12, 1, ... 11 within
    // their half of the day.
    function test_timePickerWheels_data() {
        return [
            { tag: "24 h: 23 h on to 0 h", locale: "de_DE", hour: 23, minute: 30, wheel: "hourWheel", way: "Increase",
              hour2: 0, minute2: 30, shown: "00" },
            { tag: "24 h: 0 h back to 23 h", locale: "de_DE", hour: 0, minute: 0, wheel: "hourWheel", way: "Decrease",
              hour2: 23, minute2: 0, shown: "23" },
            { tag: "59 min on to 0 min, hour kept", locale: "de_DE", hour: 9, minute: 59, wheel: "minuteWheel",
              way: "Increase", hour2: 9, minute2: 0, shown: "00" },
            { tag: "0 min back to 59 min by the down key", locale: "de_DE", hour: 9, minute: 0, wheel: "minuteWheel",
              way: Qt.Key_Down, hour2: 9, minute2: 59, shown: "59" },
            { tag: "12 h: 11 AM on to 12 AM", locale: "en_US", hour: 11, minute: 5, wheel: "hourWheel", way: "Increase",
              hour2: 0, minute2: 5, shown: "12" },
            { tag: "12 h: 11 PM on to 12 PM by the up key", locale: "en_US", hour: 23, minute: 0, wheel: "hourWheel",
              way: Qt.Key_Up, hour2: 12, minute2: 0, shown: "12" },
            { tag: "12 h: 9 AM to 9 PM", locale: "en_US", hour: 9, minute: 0, wheel: "periodWheel", way: "Increase",
              hour2: 21, minute2: 0, shown: "PM" },
            { tag: "12 h: 1 PM down to 12 PM", locale: "en_US", hour: 13, minute: 0, wheel: "hourWheel", way: "Decrease",
              hour2: 12, minute2: 0, shown: "12" }
        ];
    }

    function test_timePickerWheels(data) {
        const picker = createTemporaryObject(timeComponent, testCase,
                                             { locale: Qt.locale(data.locale), hour: data.hour, minute: data.minute });
        compare(child(picker, "periodWheel").visible, data.locale === "en_US");
        const wheel = child(picker, data.wheel);
        compare(TestProbe.accessibleRole(wheel), Accessible.SpinBox);
        operate(wheel, data.way);
        compare(picker.hour, data.hour2);
        compare(picker.minute, data.minute2);
        compare(wheel.labels[wheel.currentIndex], data.shown);
        // Set from outside, as an editor does when it opens on a schedule, the wheels follow.
        picker.hour = 13;
        compare(child(picker, "hourWheel").labels[child(picker, "hourWheel").currentIndex],
                data.locale === "en_US" ? "1" : "13");
    }
}
