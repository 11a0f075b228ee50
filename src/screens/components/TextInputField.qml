// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Templates as T
import Berthwise

// A single-line text field on a rounded face, with a placeholder; Return is left to the sheet
// around it, so it presses the sheet's default button.
T.TextField {
    id: field

    // Names the field to screen readers where no visible label does; the placeholder otherwise.
    property string label

    implicitWidth: 240
    implicitHeight: contentHeight + topPadding + bottomPadding
    padding: Theme.spacing.small
    leftPadding: Theme.spacing.snug
    rightPadding: Theme.spacing.snug
    font: Theme.font.body
    color: Theme.primaryText
    placeholderTextColor: Theme.tertiaryText
    selectionColor: Theme.selection
    selectedTextColor: Theme.primaryText
    verticalAlignment: TextInput.AlignVCenter
    Accessible.name: label !== "" ? label : placeholderText

    background: Rectangle {
        radius: Theme.radius.control
        color: Theme.faintFill
        border.width: field.activeFocus ? 2 : 1
        border.color: field.activeFocus ? Theme.tinted(Theme.accent, 0.6) : Theme.faintOutline
    }

    Text {
        x: field.leftPadding
        width: field.width - field.leftPadding - field.rightPadding
        height: field.height
        verticalAlignment: Text.AlignVCenter
        visible: field.text === "" && field.preeditText === ""
        text: field.placeholderText
        font: field.font
        color: field.placeholderTextColor
        elide: Text.ElideRight
        Accessible.ignored: true
    }
}
