// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Berthwise

// A clock time of hours and minutes only, chosen on wheels; where the locale writes times with
// AM and PM, the hours run 12 to 11 beside a wheel for the half of the day. Each wheel turns round
// on its own: stepping past 59 minutes gives 0 minutes without moving the hour.
RowLayout {
    id: picker

    property int hour: 0
    property int minute: 0
    property var locale: Qt.locale()
    // Quoted text in a time format is literal, so only a letter outside quotes asks for AM/PM.
    readonly property bool uses12Hour: /a/i.test(locale.timeFormat(Locale.ShortFormat).replace(/'[^']*'/g, ""))

    function twoDigits(count) {
        return Array.from({ length: count }, (_, value) => String(value).padStart(2, "0"));
    }

    function showTime() {
        hourWheel.currentIndex = uses12Hour ? hour % 12 : hour;
        periodWheel.currentIndex = hour >= 12 ? 1 : 0;
        minuteWheel.currentIndex = minute;
    }

    function readWheels() {
        hour = uses12Hour ? hourWheel.currentIndex + 12 * periodWheel.currentIndex : hourWheel.currentIndex;
        minute = minuteWheel.currentIndex;
    }

    spacing: Theme.spacing.tight
    onHourChanged: showTime()
    onMinuteChanged: showTime()
    onUses12HourChanged: showTime()
    Component.onCompleted: showTime()

    TimeWheel {
        id: hourWheel

        objectName: "hourWheel"
        label: qsTr("Hour")
        labels: picker.uses12Hour ? Array.from({ length: 12 }, (_, index) => String(index === 0 ? 12 : index))
                                  : picker.twoDigits(24)
        onMoved: picker.readWheels()
    }

    StaticText {
        text: ":"
        font: Theme.font.title3
        Accessible.ignored: true
    }

    TimeWheel {
        id: minuteWheel

        objectName: "minuteWheel"
        label: qsTr("Minute")
        labels: picker.twoDigits(60)
        onMoved: picker.readWheels()
    }

    TimeWheel {
        id: periodWheel

        objectName: "periodWheel"
        visible: picker.uses12Hour
        label: qsTr("AM or PM")
        labels: [picker.locale.amText, picker.locale.pmText]
        // Two entries cannot turn round; stepping either way switches the half of the day.
        wrap: false
        onMoved: picker.readWheels()
    }
}
