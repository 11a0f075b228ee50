// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Berthwise

// Asks for a profile's new name, starting from the one it has.
SheetFrame {
    id: dialog

    // The profile being renamed, named when the dialog opens.
    property string profileId
    property alias text: nameField.text

    function openFor(id, name) {
        profileId = id;
        nameField.text = name;
        open();
    }

    title: qsTr("Rename Profile")
    defaultText: qsTr("Save")
    sheetWidth: Theme.sheet.narrowWidth

    onOpened: {
        nameField.selectAll();
        nameField.forceActiveFocus();
    }

    TextInputField {
        id: nameField

        objectName: "renameField"
        Layout.fillWidth: true
        placeholderText: qsTr("Profile name")
    }
}
