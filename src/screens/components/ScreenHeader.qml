// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Berthwise

// The head of a screen: its large title and subtitle, anything the screen adds below them, and its
// header buttons at the trailing end.
RowLayout {
    id: header

    property string title
    property string subtitle
    default property alias details: texts.data
    property alias trailing: buttons.data

    spacing: Theme.spacing.regular

    ColumnLayout {
        id: texts

        Layout.fillWidth: true
        Layout.alignment: Qt.AlignTop
        spacing: Theme.spacing.compact

        StaticText {
            objectName: "screenTitle"
            Layout.fillWidth: true
            text: header.title
            font: Theme.font.largeTitle
            wrapMode: Text.Wrap
            Accessible.role: Accessible.Heading
        }

        StaticText {
            objectName: "screenSubtitle"
            Layout.fillWidth: true
            visible: header.subtitle !== ""
            text: header.subtitle
            font: Theme.font.subheadline
            color: Theme.secondaryText
            wrapMode: Text.Wrap
        }
    }

    RowLayout {
        id: buttons

        Layout.alignment: Qt.AlignTop
        spacing: Theme.spacing.regular
    }
}
