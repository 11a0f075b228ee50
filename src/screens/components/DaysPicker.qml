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
        { day: 2, name: qsTr("Monday"), initial: qsTr("M", "Monday") },
        { day: 3, name: qsTr("Tuesday"), initial: qsTr("T", "Tuesday") },
        { day: 4, name: qsTr("Wednesday"), initial: qsTr("W", "Wednesday") },
        { day: 5, name: qsTr("Thursday"), initial: qsTr("T", "Thursday") },
        { day: 6, name: qsTr("Friday"), initial: qsTr("F", "Friday") },
        { day: 7, name: qsTr("Saturday"), initial: qsTr("S", "Saturday") },
        { day: 1, name: qsTr("Sunday"), initial: qsTr("S", "Sunday") }
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
