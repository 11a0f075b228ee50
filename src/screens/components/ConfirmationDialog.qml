// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Berthwise

// Asks before something that cannot be undone: a title, a message, the destructive action and Cancel.
SheetFrame {
    id: dialog

    property string message

    destructive: true
    sheetWidth: 380

    StaticText {
        objectName: "confirmationMessage"
        Layout.fillWidth: true
        text: dialog.message
        color: Theme.secondaryText
        wrapMode: Text.Wrap
    }
}
