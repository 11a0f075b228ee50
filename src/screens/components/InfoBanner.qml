// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Berthwise

// A tinted note with an icon that explains how a screen's feature behaves.
Rectangle {
    id: banner

    property string icon
    property string message

    // As wide as its text, unless the column it stands in is narrower: then the text wraps.
    implicitWidth: content.implicitWidth + 2 * Theme.spacing.comfortable
    // A layout would otherwise widen itself, and everything beside the banner, to the text's length.
    Layout.maximumWidth: parent ? parent.width : Infinity
    implicitHeight: content.implicitHeight + 2 * Theme.spacing.comfortable
    radius: Theme.radius.banner
    color: Theme.tinted(Theme.accent, 0.06)

    RowLayout {
        id: content

        x: Theme.spacing.comfortable
        y: Theme.spacing.comfortable
        width: banner.width - 2 * Theme.spacing.comfortable
        spacing: Theme.spacing.regular

        SymbolIcon {
            objectName: "infoBannerIcon"
            Layout.alignment: Qt.AlignTop
            name: banner.icon
            size: Theme.iconSize.body
            color: Theme.accent
        }

        StaticText {
            objectName: "infoBannerMessage"
            Layout.fillWidth: true
            Layout.alignment: Qt.AlignTop
            text: banner.message
            font: Theme.font.subheadline
            color: Theme.secondaryText
            wrapMode: Text.Wrap
        }
    }
}
