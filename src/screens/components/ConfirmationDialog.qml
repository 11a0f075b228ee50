// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Berthwise

// Asks before something that cannot be undone: a title, a message, the destructive action and Cancel.
SheetFrame {
    id: dialog

    property string message

    destructive: true
    sheetWidth: Theme.sheet.narrowWidth
    headerGap: Theme.spacing.small

    StaticText {
        objectName: "confirmationMessage"
        Layout.fillWidth: true
        // A long unbroken name, such as a backup's file name, moves whole onto a line of its own
        // rather than breaking at its dots; only a name wider than the line still breaks.
        text: dialog.message.replace(/\S{20,}/g, name => Array.from(name).join("\u2060"))
        color: Theme.secondaryText
        wrapMode: Text.Wrap
        Accessible.name: dialog.message
    }
}
