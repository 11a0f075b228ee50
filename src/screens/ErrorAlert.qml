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
        AccessibleButton {
            objectName: "errorAlertOk"
            text: "OK"
            DialogButtonBox.buttonRole: DialogButtonBox.RejectRole
            onClicked: alert.close()
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
