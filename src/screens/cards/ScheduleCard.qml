// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Berthwise

// One schedule in the list: its profile's tile, time, days and profile name, the edit and delete
// buttons that appear on hover or keyboard focus, and the switch that enables it.
CardSurface {
    id: card

    required property string scheduleId
    required property bool isEnabled
    required property string timeString
    required property string daysSummary
    required property string profileName
    required property string profileIcon
    readonly property bool hasKeyboardFocus: editButton.activeFocus || deleteButton.activeFocus
                                             || enabledSwitch.activeFocus
    // Keyboard and screen-reader users cannot hover, so focus on any of the card's controls
    // reveals the buttons too.
    readonly property bool showsButtons: isHovered || hasKeyboardFocus

    signal editRequested
    signal enabledToggled(bool isEnabled)
    signal deleteRequested

    function takeKeyboardFocus() {
        editButton.forceActiveFocus(Qt.TabFocusReason);
    }

    padding: Theme.spacing.card
    radius: Theme.radius.row
    outline: Theme.faintOutline
    hoverScale: Theme.hoverScale.listRow
    shadowed: false
    Accessible.role: Accessible.Grouping
    Accessible.name: timeString + ", " + daysSummary + ", " + profileName

    RowLayout {
        Layout.fillWidth: true
        spacing: Theme.spacing.large

        IconTile {
            objectName: "scheduleTile"
            size: Theme.tileSize.large
            icon: card.profileIcon
            symbolSize: Theme.iconSize.row
            tint: card.isEnabled ? Theme.accent : Theme.grey
            tintEnd: card.isEnabled ? Theme.indigo : Theme.grey
            tintOpacity: card.isEnabled ? 0.15 : 0.1
            symbolColor: card.isEnabled ? Theme.accent : Theme.secondaryText
        }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: Theme.spacing.tight

            RowLayout {
                spacing: Theme.spacing.snug

                TabularText {
                    objectName: "scheduleTime"
                    text: card.timeString
                    font: Theme.font.title2
                    color: card.isEnabled ? Theme.primaryText : Theme.secondaryText
                }

                Badge {
                    objectName: "scheduleDays"
                    label: card.daysSummary
                    filled: true
                    tint: card.isEnabled ? Theme.accent : Theme.grey
                }
            }

            StaticText {
                objectName: "scheduleProfile"
                Layout.fillWidth: true
                text: card.profileName
                font: Theme.font.subheadline
                color: Theme.secondaryText
                elide: Text.ElideRight
            }
        }

        IconButton {
            id: editButton

            objectName: "editSchedule"
            icon: "pencil"
            label: qsTr("Edit")
            revealed: card.showsButtons
            onActivated: card.editRequested()
        }

        IconButton {
            id: deleteButton

            objectName: "deleteSchedule"
            icon: "trash"
            label: qsTr("Delete")
            color: Theme.destructive
            revealed: card.showsButtons
            onActivated: card.deleteRequested()
        }

        ToggleSwitch {
            id: enabledSwitch

            objectName: "scheduleSwitch"
            mini: true
            checked: card.isEnabled
            Accessible.name: qsTr("Enable this schedule")
            onToggled: value => card.enabledToggled(value)
        }
    }
}
