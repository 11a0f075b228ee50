// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Berthwise

// A link on the About screen: a tinted icon tile, a label, optionally the address it opens, and an
// arrow; the whole row opens the address.
Pressable {
    id: row

    property string icon
    property color iconColor: Theme.accent
    property string label
    // The address as shown; empty for a row with a single label.
    property string value
    property string url

    implicitWidth: 400
    implicitHeight: content.implicitHeight + 26
    focusRadius: 0
    Accessible.role: Accessible.Link
    Accessible.name: label
    Accessible.description: value
    onActivated: AppInfo.openAddress(url)

    Rectangle {
        objectName: "rowHighlight"
        anchors.fill: parent
        color: row.isHovered ? Theme.tinted(Theme.primaryText, 0.04) : "transparent"

        Behavior on color {
            ColorAnimation {
                duration: Theme.motion.quick
                easing.type: Easing.InOutQuad
            }
        }
    }

    RowLayout {
        id: content

        anchors.fill: parent
        anchors.leftMargin: Theme.spacing.loose
        anchors.rightMargin: Theme.spacing.loose
        spacing: Theme.spacing.regular

        IconTile {
            size: Theme.tileSize.row
            radius: Theme.radius.control
            icon: row.icon
            tint: row.iconColor
            tintOpacity: 0.12
            symbolSize: 15
            symbolWeight: Font.Medium
        }

        TitleBlock {
            Layout.fillWidth: true
            title: row.label
            subtitle: row.value
            titleFont: Theme.font.subheadlineEmphasis
            subtitleFont: Theme.font.caption
            announced: false
        }

        SymbolIcon {
            name: "arrow.up.right"
            size: Theme.font.caption.pixelSize + 2
            font.weight: Font.DemiBold
            color: Theme.tertiaryText
        }
    }
}
