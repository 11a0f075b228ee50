// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls
import Berthwise

// The alert raised by every failure; however it is dismissed, the error counts as seen.
Dialog {
    id: alert

    objectName: "errorAlert"
    title: "Something went wrong"
    modal: true
    anchors.centerIn: parent
    width: Math.min(parent ? parent.width - 80 : 420, 420)
    closePolicy: Popup.CloseOnEscape
    padding: 20
    topPadding: 8

    background: Rectangle {
        radius: 14
        color: "white"
        border.width: 1
        border.color: Theme.quaternaryText
    }

    header: Text {
        text: alert.title
        padding: 20
        bottomPadding: 0
        font.pixelSize: Theme.headline
        font.bold: true
        color: Theme.primaryText
        Accessible.ignored: true
    }

    contentItem: Text {
        objectName: "errorAlertMessage"
        text: DockViewModel.lastError
        wrapMode: Text.Wrap
        font.pixelSize: Theme.body
        color: Theme.primaryText
        // Read out with the alert's title, since the popup itself cannot carry a role.
        Accessible.role: Accessible.AlertMessage
        Accessible.name: alert.title
        Accessible.description: text
    }

    footer: DialogButtonBox {
        padding: 20
        topPadding: 0
        background: null

        AccessibleButton {
            id: okButton
            objectName: "errorAlertOk"
            text: "OK"
            DialogButtonBox.buttonRole: DialogButtonBox.RejectRole
            onClicked: alert.close()

            contentItem: Text {
                text: okButton.text
                color: "white"
                font.pixelSize: Theme.body
                font.weight: Font.DemiBold
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
            }
            background: Rectangle {
                implicitWidth: 88
                implicitHeight: 30
                radius: 8
                color: okButton.down ? Qt.darker(Theme.blue, 1.15) : Theme.blue
            }
        }
    }

    onClosed: DockViewModel.lastError = ""

    Connections {
        target: DockViewModel
        function onLastErrorChanged() {
            if (DockViewModel.lastError !== "")
                alert.open()
            else if (alert.visible)
                alert.close()
        }
    }
}
