// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Berthwise

// One saved backup: when it was taken, its file, and the buttons that restore or delete it.
CardSurface {
    id: row

    required property string path
    required property string fileName
    required property string displayName

    signal restoreRequested
    signal deleteRequested

    radius: Theme.radius.row
    padding: Theme.spacing.large
    hoverScale: Theme.hoverScale.listRow
    shadowed: false
    // Every row has a Restore and a Delete button, so a screen reader needs the row's name to tell
    // them apart.
    Accessible.role: Accessible.Grouping
    Accessible.name: displayName

    RowLayout {
        Layout.fillWidth: true
        spacing: Theme.spacing.regular

        SymbolIcon {
            Layout.preferredWidth: 28
            name: "externaldrive.fill"
            size: Theme.iconSize.title3
            color: Theme.blue
        }

        TitleBlock {
            Layout.fillWidth: true
            title: row.displayName
            subtitle: row.fileName
            subtitleFont: Theme.font.caption
            subtitleColor: Theme.tertiaryText
        }

        PrimaryButton {
            objectName: "restoreButton"
            text: qsTr("Restore")
            Accessible.description: row.displayName
            onActivated: row.restoreRequested()
        }

        BorderedButton {
            objectName: "deleteButton"
            destructive: true
            icon: "trash"
            Accessible.name: qsTr("Delete")
            Accessible.description: row.displayName
            onActivated: row.deleteRequested()
        }
    }
}
