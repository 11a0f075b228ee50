// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Berthwise

// One profile offered in the schedule editor, a radio button among the others of its group.
ChoiceButton {
    id: row

    required property string name
    required property string icon

    implicitHeight: content.implicitHeight + 2 * Theme.spacing.regular
    focusRadius: Theme.radius.banner
    Accessible.name: name

    Rectangle {
        anchors.fill: parent
        radius: Theme.radius.banner
        color: row.isSelected ? Theme.selection : row.isHovered ? Theme.hoverFill : "transparent"
        border.width: 1
        border.color: row.isSelected ? Theme.accent : Theme.faintOutline
    }

    RowLayout {
        id: content

        anchors.fill: parent
        anchors.margins: Theme.spacing.regular
        spacing: Theme.spacing.snug

        IconTile {
            size: Theme.tileSize.row
            radius: Theme.radius.small
            icon: row.icon
            symbolSize: Theme.iconSize.body
            tintOpacity: row.isSelected ? 1 : 0.15
            symbolColor: row.isSelected ? Theme.onAccent : Theme.accent
        }

        Text {
            Layout.fillWidth: true
            text: row.name
            font: Theme.font.subheadlineEmphasis
            color: Theme.primaryText
            elide: Text.ElideRight
            Accessible.ignored: true
        }

        SymbolIcon {
            objectName: "selectedMark"
            visible: row.isSelected
            name: "checkmark.circle.fill"
            size: Theme.iconSize.row
            color: Theme.accent
        }
    }
}
