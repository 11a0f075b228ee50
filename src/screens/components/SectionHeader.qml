// SPDX-License-Identifier: MIT
import QtQuick
import Berthwise

// The title and one-line explanation at the head of a group of controls.
Column {
    id: header

    property string title
    property string subtitle

    spacing: 3

    StaticText {
        objectName: "sectionHeaderTitle"
        text: header.title
        font: Theme.font.title2
        width: Math.min(implicitWidth, header.width > 0 ? header.width : implicitWidth)
        wrapMode: Text.Wrap
        Accessible.role: Accessible.Heading
    }

    StaticText {
        objectName: "sectionHeaderSubtitle"
        text: header.subtitle
        font: Theme.font.subheadline
        color: Theme.secondaryText
        width: Math.min(implicitWidth, header.width > 0 ? header.width : implicitWidth)
        wrapMode: Text.Wrap
    }
}
