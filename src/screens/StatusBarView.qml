// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Berthwise

// The status line along the bottom of the window: progress while an operation runs, and the last
// outcome, in red while it is a failure nobody has dismissed yet.
Rectangle {
    id: bar

    readonly property bool showsError: DockViewModel.lastError !== ""

    implicitHeight: row.implicitHeight + 16
    color: Theme.barMaterial

    RowLayout {
        id: row
        anchors.fill: parent
        anchors.leftMargin: 16
        anchors.rightMargin: 16
        anchors.topMargin: 8
        anchors.bottomMargin: 8
        spacing: 8

        BusyIndicator {
            objectName: "statusSpinner"
            running: DockViewModel.isWorking
            opacity: DockViewModel.isWorking ? 1 : 0
            visible: opacity > 0
            Layout.preferredWidth: 16
            Layout.preferredHeight: 16
            Accessible.role: Accessible.Animation
            Accessible.name: "Working"
            Behavior on opacity {
                NumberAnimation {
                    duration: 200
                    easing.type: Easing.InOutQuad
                }
            }
        }

        Text {
            id: message
            objectName: "statusMessage"
            text: DockViewModel.statusMessage
            font.pixelSize: Theme.caption
            color: bar.showsError ? Theme.red : Theme.secondaryText
            elide: Text.ElideRight
            Layout.fillWidth: true
            Accessible.role: Accessible.StaticText
            Accessible.name: text

            Behavior on text {
                SequentialAnimation {
                    NumberAnimation {
                        target: message
                        property: "opacity"
                        to: 0.2
                        duration: 100
                        easing.type: Easing.InOutQuad
                    }
                    PropertyAction {}
                    NumberAnimation {
                        target: message
                        property: "opacity"
                        to: 1
                        duration: 100
                        easing.type: Easing.InOutQuad
                    }
                }
            }
        }

        Text {
            objectName: "statusApplying"
            visible: DockViewModel.isWorking
            text: "Applying…"
            font.pixelSize: Theme.caption2
            color: Theme.tertiaryText
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
    }
}
