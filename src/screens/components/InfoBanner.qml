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
    implicitWidth: content.implicitWidth + 28
    implicitHeight: content.implicitHeight + 28
    radius: 12
    color: Theme.tinted(Theme.blue, 0.06)

    RowLayout {
        id: content

        x: 14
        y: 14
        width: banner.width - 28
        spacing: 12

        SymbolIcon {
            objectName: "infoBannerIcon"
            Layout.alignment: Qt.AlignTop
            name: banner.icon
            size: Theme.body
            color: Theme.blue
        }

        Text {
            objectName: "infoBannerMessage"
            Layout.fillWidth: true
            Layout.alignment: Qt.AlignTop
            text: banner.message
            font.pixelSize: Theme.subheadline
            color: Theme.secondaryText
            wrapMode: Text.Wrap
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
    }
}
