// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Berthwise

// The status line along the bottom of the window: progress while an operation runs, and the last
// outcome, in red while it is a failure nobody has dismissed yet.
Rectangle {
    id: bar

    readonly property bool showsError: DockViewModel.lastError !== ""

    implicitHeight: row.implicitHeight + 2 * Theme.spacing.small
    color: Theme.barMaterial

    RowLayout {
        id: row

        anchors.fill: parent
        anchors.leftMargin: Theme.spacing.large
        anchors.rightMargin: Theme.spacing.large
        anchors.topMargin: Theme.spacing.small
        anchors.bottomMargin: Theme.spacing.small
        spacing: Theme.spacing.small

        ActivitySpinner {
            objectName: "statusSpinner"
            running: DockViewModel.isWorking
        }

        StaticText {
            id: message

            objectName: "statusMessage"
            text: DockViewModel.statusMessage
            font: Theme.font.caption
            color: bar.showsError ? Theme.red : Theme.secondaryText
            elide: Text.ElideRight
            Layout.fillWidth: true

            Behavior on text {
                SequentialAnimation {
                    NumberAnimation {
                        target: message
                        property: "opacity"
                        to: 0.2
                        duration: Theme.motion.standard / 2
                        easing.type: Easing.InOutQuad
                    }
                    PropertyAction {}
                    NumberAnimation {
                        target: message
                        property: "opacity"
                        to: 1
                        duration: Theme.motion.standard / 2
                        easing.type: Easing.InOutQuad
                    }
                }
            }
        }

        StaticText {
            objectName: "statusApplying"
            visible: DockViewModel.isWorking
            text: qsTr("Applying…")
            font: Theme.font.caption2
            color: Theme.tertiaryText
        }
    }
}
