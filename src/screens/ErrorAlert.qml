// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Berthwise

// The alert raised by every failure; however it is dismissed, the error counts as seen.
SheetFrame {
    id: alert

    objectName: "errorAlert"
    title: qsTr("Something went wrong")
    cancelText: ""
    defaultText: qsTr("OK")
    defaultButton.objectName: "errorAlertOk"
    headerGap: Theme.spacing.small

    onClosed: DockViewModel.lastError = ""
    // Built only once something has failed, it shows that failure at once.
    Component.onCompleted: {
        if (DockViewModel.lastError !== "")
            open();
    }

    StaticText {
        objectName: "errorAlertMessage"
        Layout.fillWidth: true
        text: DockViewModel.lastError
        wrapMode: Text.Wrap
        // Read out with the alert's title, since the popup itself cannot carry a role.
        Accessible.role: Accessible.AlertMessage
        Accessible.name: alert.title
        Accessible.description: text
    }

    Connections {
        target: DockViewModel

        function onLastErrorChanged() {
            if (DockViewModel.lastError !== "")
                alert.open();
            else if (alert.visible)
                alert.close();
        }
    }
}
