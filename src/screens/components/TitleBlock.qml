// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Berthwise

// A title above a line or two of explanation, the text of every card and row.
ColumnLayout {
    id: block

    property string title
    property string subtitle
    property font titleFont: Theme.font.headline
    property font subtitleFont: Theme.font.subheadline
    property color titleColor: Theme.primaryText
    property color subtitleColor: Theme.secondaryText
    // Room kept free at the title's trailing end, for a button that stands beside the title alone.
    property real titleInset: 0
    // Off where the control around the texts already carries them as its name and description.
    property bool announced: true

    // The subtitle belongs to the title above it, closer than to anything else.
    spacing: 2

    StaticText {
        objectName: "titleText"
        Layout.fillWidth: true
        Layout.rightMargin: block.titleInset
        text: block.title
        font: block.titleFont
        color: block.titleColor
        elide: Text.ElideRight
        Accessible.ignored: !block.announced
    }

    StaticText {
        objectName: "subtitleText"
        Layout.fillWidth: true
        visible: block.subtitle !== ""
        text: block.subtitle
        font: block.subtitleFont
        color: block.subtitleColor
        wrapMode: Text.Wrap
        Accessible.ignored: !block.announced
    }
}
