// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Berthwise

// The editor that adds a schedule or changes one: a profile, a time of day, the days and whether it
// is enabled. It takes its values from the schedule once, when it opens, so changes made elsewhere
// while it is open do not overwrite the user's.
SheetFrame {
    id: sheet

    // The schedule being edited, or null when adding.
    property var schedule: null
    // Empty until the user chooses; when editing, the schedule's profile, listed or not.
    property string selectedProfileId
    property alias hour: timePicker.hour
    property alias minute: timePicker.minute
    // Weekday numbers, Sunday being 1.
    property alias selectedDays: daysPicker.days
    property bool isEnabled: true

    readonly property bool isAdding: schedule === null
    readonly property var weekdays: [2, 3, 4, 5, 6]
    readonly property var weekends: [1, 7]
    readonly property var everyDay: [1, 2, 3, 4, 5, 6, 7]

    // The finished schedule; `scheduleId` is empty when adding.
    signal save(string scheduleId, string profileId, int hour, int minute, var days, bool isEnabled)

    component SectionLabel: RowLayout {
        id: label

        property string icon
        property string text

        spacing: Theme.spacing.compact

        SymbolIcon {
            name: label.icon
            size: Theme.iconSize.body
            color: Theme.secondaryText
        }

        StaticText {
            // Spanning the width lets the section around it span it too.
            Layout.fillWidth: true
            text: label.text
            font: Theme.font.headline
            Accessible.role: Accessible.Heading
        }
    }

    sheetWidth: Theme.sheet.wideWidth
    icon: "clock.badge.checkmark"
    title: isAdding ? qsTr("New Schedule") : qsTr("Edit Schedule")
    caption: qsTr("Choose a profile, time, and days")
    showsCloseButton: true
    defaultText: isAdding ? qsTr("Add Schedule") : qsTr("Save Changes")
    defaultEnabled: selectedProfileId !== "" && selectedDays.length > 0
    onAccepted: sheet.save(isAdding ? "" : schedule.scheduleId, selectedProfileId, hour, minute,
                           selectedDays, isEnabled)

    // Opens on `target`, a schedule as its list model's row gives it, or on a new one when it is null.
    function openFor(target) {
        schedule = target;
        selectedProfileId = target ? target.profileId : "";
        hour = target ? target.hour : 9;
        minute = target ? target.minute : 0;
        selectedDays = target ? target.days : weekdays;
        isEnabled = target ? target.isEnabled : true;
        // The profile section, not a control in it, takes the focus: Return saves at once, the first
        // Tab reaches the first profile, and no control keeps the focus it had when last closed.
        scroller.contentY = 0;
        profileSection.focus = true;
        open();
    }

    ChoiceGroup {
        id: profileChoice

        currentValue: sheet.selectedProfileId
        onActivated: value => sheet.selectedProfileId = value
    }

    ColumnLayout {
        id: profileSection

        Layout.fillWidth: true
        spacing: Theme.spacing.snug
        // Tab would otherwise start over at the top of the dialog rather than at what follows.
        Keys.onTabPressed: event => {
            profileRows.positionViewAtBeginning();
            const first = profileRows.itemAtIndex(0);
            if (first)
                first.forceActiveFocus(Qt.TabFocusReason);
            else
                event.accepted = false;
        }

        SectionLabel {
            icon: "square.stack.3d.up.fill"
            text: qsTr("Profile")
        }

        StaticText {
            objectName: "noProfilesNote"
            Layout.fillWidth: true
            visible: DockViewModel.profiles.count === 0
            text: qsTr("No profiles available — create one in the Profiles tab first.")
            font: Theme.font.caption
            color: Theme.warning
            wrapMode: Text.Wrap
        }

        // Only the rows in view exist: a user with a profile for every project would otherwise wait
        // for a thousand rows each time the editor opens. Past a few rows the list scrolls inside
        // the sheet.
        ListView {
            id: profileRows

            // A picker row's height: its 32-point tile and the padding around it.
            readonly property real rowHeight: Theme.tileSize.row + 2 * Theme.spacing.regular

            objectName: "profileRows"
            Layout.fillWidth: true
            // From the count rather than the rows made, so that every row in view is made at once.
            Layout.preferredHeight: Math.min(count * (rowHeight + spacing) - spacing, 5.5 * (rowHeight + spacing))
            visible: count > 0
            model: DockViewModel.profiles
            spacing: Theme.spacing.small
            clip: true
            reuseItems: true
            boundsBehavior: Flickable.StopAtBounds
            keyNavigationEnabled: false
            currentIndex: -1
            Accessible.role: Accessible.List
            Accessible.name: qsTr("Profile")

            delegate: ProfilePickerRow {
                required property string profileId

                objectName: "profileRow_" + name
                width: profileRows.width
                group: profileChoice
                value: profileId
            }

            RowFocus {
                view: profileRows
            }
        }
    }

    ColumnLayout {
        Layout.fillWidth: true
        spacing: Theme.spacing.snug

        SectionLabel {
            icon: "clock"
            text: qsTr("Time")
        }

        TimePicker {
            id: timePicker

            objectName: "timePicker"
            // A nested layout fills the width by default, which would leave its wheels at the left.
            Layout.fillWidth: false
            Layout.alignment: Qt.AlignHCenter
        }
    }

    ColumnLayout {
        Layout.fillWidth: true
        spacing: Theme.spacing.snug

        SectionLabel {
            icon: "calendar"
            text: qsTr("Days")
        }

        DaysPicker {
            id: daysPicker

            objectName: "daysPicker"
        }

        RowLayout {
            spacing: Theme.spacing.small

            Repeater {
                model: [
                    { text: qsTr("Weekdays"), days: sheet.weekdays },
                    { text: qsTr("Weekends"), days: sheet.weekends },
                    { text: qsTr("Every Day"), days: sheet.everyDay }
                ]

                delegate: BorderedButton {
                    required property var modelData

                    objectName: "daySet_" + modelData.text
                    text: modelData.text
                    font: Theme.font.caption
                    verticalPadding: Theme.spacing.tight
                    onActivated: sheet.selectedDays = modelData.days
                }
            }
        }
    }

    RowLayout {
        Layout.fillWidth: true
        spacing: Theme.spacing.compact

        SymbolIcon {
            name: "power"
            size: Theme.iconSize.body
            color: Theme.secondaryText
        }

        StaticText {
            Layout.fillWidth: true
            text: qsTr("Enable this schedule")
        }

        ToggleSwitch {
            objectName: "enableSwitch"
            checked: sheet.isEnabled
            Accessible.name: qsTr("Enable this schedule")
            onToggled: value => sheet.isEnabled = value
        }
    }
}
