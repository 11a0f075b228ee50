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
    // Off where the control around the texts already carries them as its name and description.
    property bool announced: true

    spacing: Theme.spacing.hairline

    StaticText {
        objectName: "titleText"
        Layout.fillWidth: true
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
