// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Berthwise

// The Schedules section: the weekly schedules that switch the Dock to a profile, in their stored
// order, and the editor that adds and changes them.
ListPage {
    id: screen

    readonly property bool hasProfiles: DockViewModel.profiles.count > 0

    // Opens the editor on the schedule with this id, or on a new schedule when it is empty.
    function openEditor(scheduleId) {
        const schedules = DockViewModel.schedules;
        editor.openFor(scheduleId === "" ? null : schedules.get(schedules.indexOf(scheduleId)));
    }

    // Saving the first schedule hides the button that opened the editor from the keyboard, which
    // would leave the focus nowhere; the header's button takes it instead.
    function keepKeyboardFocus() {
        const opener = editor.focusReturn.opener;
        if (opener && opener !== Window.contentItem && !opener.visible)
            addButton.forceActiveFocus(Qt.OtherFocusReason);
    }

    // Deleting from the keyboard takes the focused card away; the focus moves on to the card that
    // takes its place, or to the header's button when none is left.
    function deleteSchedule(card) {
        const row = DockViewModel.schedules.indexOf(card.scheduleId);
        const hadFocus = card.hasKeyboardFocus;
        DockViewModel.deleteSchedule(card.scheduleId);
        if (!hadFocus)
            return;
        const nextRow = Math.min(row, count - 1);
        if (nextRow >= 0)
            positionViewAtIndex(nextRow, ListView.Contain);
        const next = nextRow >= 0 ? itemAtIndex(nextRow) : null;
        if (next)
            next.takeKeyboardFocus();
        else
            addButton.forceActiveFocus(Qt.TabFocusReason);
    }

    objectName: "schedulesView"
    title: qsTr("Schedules")
    subtitle: qsTr("Automatically switch Dock profiles at set times.")
    sectionSpacing: Theme.spacing.section
    spacing: Theme.spacing.snug
    model: DockViewModel.schedules

    delegate: ScheduleCard {
        id: card

        objectName: "scheduleCard_" + scheduleId
        width: screen.rowWidth
        onEditRequested: screen.openEditor(scheduleId)
        onEnabledToggled: value => DockViewModel.setScheduleEnabled(scheduleId, value)
        onDeleteRequested: screen.deleteSchedule(card)
    }

    // The runner may have marked schedules as applied while the screen was away.
    onAppeared: DockViewModel.reloadSchedules()

    headerTrailing: PrimaryButton {
        id: addButton

        objectName: "addScheduleButton"
        text: qsTr("Add Schedule")
        icon: "plus"
        enabled: screen.hasProfiles
        onActivated: screen.openEditor("")
    }

    below: [
        EmptyState {
            objectName: "schedulesEmptyState"
            visible: DockViewModel.schedules.count === 0
            Layout.alignment: Qt.AlignHCenter
            icon: "clock.badge.plus"
            heading: qsTr("No schedules yet")
            text: qsTr("Add a schedule to automatically switch your Dock profile at a set time and day.")
            actionText: screen.hasProfiles ? qsTr("Add First Schedule") : ""
            actionIcon: "plus"
            onActionTriggered: screen.openEditor("")

            RowLayout {
                objectName: "createProfileHint"
                visible: !screen.hasProfiles
                Layout.alignment: Qt.AlignHCenter
                spacing: Theme.spacing.tight

                SymbolIcon {
                    name: "info.circle"
                    size: Theme.iconSize.small
                    color: Theme.warning
                }

                StaticText {
                    text: qsTr("Create a profile first in the Profiles tab")
                    font: Theme.font.caption
                    color: Theme.warning
                }
            }
        },
        InfoBanner {
            icon: "clock.badge.checkmark"
            message: qsTr("Berthwise checks your schedules every 30 seconds while running. Make sure the app is set to "
                     + "Launch at Login so schedules trigger reliably in the background.")
        }
    ]

    ScheduleEditSheet {
        id: editor

        objectName: "scheduleEditor"
        onClosed: screen.keepKeyboardFocus()
        onSave: (scheduleId, profileId, hour, minute, days, isEnabled) => {
            if (scheduleId === "")
                DockViewModel.addSchedule(profileId, hour, minute, days, isEnabled);
            else
                DockViewModel.updateSchedule(scheduleId, profileId, hour, minute, days, isEnabled);
        }
    }
}
