// SPDX-License-Identifier: MIT
import QtQuick
import Berthwise

// The title and one-line explanation at the head of a group of controls.
Column {
    id: header

    property string title
    property string subtitle

    spacing: 3

    Text {
        objectName: "sectionHeaderTitle"
        text: header.title
        font.pixelSize: Theme.title2
        font.bold: true
        color: Theme.primaryText
        width: Math.min(implicitWidth, header.width > 0 ? header.width : implicitWidth)
        wrapMode: Text.Wrap
        Accessible.role: Accessible.Heading
        Accessible.name: text
    }

    Text {
        objectName: "sectionHeaderSubtitle"
        text: header.subtitle
        font.pixelSize: Theme.subheadline
        color: Theme.secondaryText
        width: Math.min(implicitWidth, header.width > 0 ? header.width : implicitWidth)
        wrapMode: Text.Wrap
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }
}
