// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound
import QtQuick
import Berthwise

// Seven round day buttons, Monday to Sunday, each switching its day in or out of `days` (weekday
// numbers, Sunday being 1). The last day left cannot be switched out.
Row {
    id: picker

    property var days: []

    readonly property var week: [
        { day: 2, name: "Monday", initial: "M" },
        { day: 3, name: "Tuesday", initial: "T" },
        { day: 4, name: "Wednesday", initial: "W" },
        { day: 5, name: "Thursday", initial: "T" },
        { day: 6, name: "Friday", initial: "F" },
        { day: 7, name: "Saturday", initial: "S" },
        { day: 1, name: "Sunday", initial: "S" }
    ]

    function toggle(day) {
        if (!days.includes(day))
            days = days.concat([day]).sort((a, b) => a - b);
        else if (days.length > 1)
            days = days.filter(chosen => chosen !== day);
    }

    spacing: Theme.spacing.small

    Repeater {
        model: picker.week

        delegate: Pressable {
            id: dayButton

            required property var modelData
            readonly property bool isOn: picker.days.includes(modelData.day)

            objectName: "day_" + modelData.name
            width: 36
            height: 36
            focusRadius: width / 2
            Accessible.role: Accessible.CheckBox
            Accessible.name: modelData.name
            Accessible.checkable: true
            Accessible.checked: isOn
            Accessible.onToggleAction: dayButton.activate()
            onActivated: picker.toggle(modelData.day)

            Rectangle {
                anchors.fill: parent
                radius: width / 2
                color: dayButton.isOn ? Theme.accent : Theme.faintFill
            }

            Text {
                anchors.centerIn: parent
                text: dayButton.modelData.initial
                font: Theme.font.dayInitial
                color: dayButton.isOn ? Theme.onAccent : Theme.secondaryText
                Accessible.ignored: true
            }
        }
    }
}
