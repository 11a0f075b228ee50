// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Berthwise

// Takes backups of the Dock's preferences, lists them to restore or delete, and resets the Dock.
ListPage {
    id: view

    objectName: "backupRestoreView"
    navigationTitle: qsTr("Backup & Restore")
    title: qsTr("Backup & Restore")
    subtitle: qsTr("Protect your Dock layout and recover from any change.")

    // The backup chosen last, which the restore confirmation names and restores.
    property string selectedBackup
    property string selectedFileName
    readonly property int backupCount: DockViewModel.backups.count

    function askToRestore(path, fileName) {
        selectedBackup = path
        selectedFileName = fileName
        restoreConfirmation.open()
    }

    // Backups appear with every preset or profile applied and can be removed outside the app, so
    // the folder is read again whenever the screen is shown.
    onAppeared: DockViewModel.reloadBackups()

    model: DockViewModel.backups
    spacing: Theme.spacing.regular
    // The rows follow their heading as a list under its title.
    rowsGap: Theme.spacing.regular

    delegate: BackupRow {
        objectName: "backupRow_" + fileName
        width: view.rowWidth
        onRestoreRequested: view.askToRestore(path, fileName)
        onDeleteRequested: DockViewModel.deleteBackup(path)
    }

    above: [
        RowLayout {
            spacing: Theme.spacing.regular

            PrimaryButton {
                objectName: "createBackupButton"
                text: qsTr("Create Backup")
                icon: "externaldrive.badge.plus"
                onActivated: DockViewModel.createBackup()
            }

            BorderedButton {
                objectName: "resetButton"
                text: qsTr("Reset to Default")
                icon: "trash.fill"
                destructive: true
                onActivated: resetConfirmation.open()
            }
        },
        ColumnLayout {
            Layout.fillWidth: true
            spacing: Theme.spacing.regular

            RowLayout {
                spacing: Theme.spacing.small

                StaticText {
                    Layout.alignment: Qt.AlignBaseline
                    text: qsTr("Saved Backups")
                    font: Theme.font.title2
                    Accessible.role: Accessible.Heading
                }

                StaticText {
                    objectName: "backupCount"
                    Layout.alignment: Qt.AlignBaseline
                    visible: view.backupCount > 0
                    //: Two entries, so that English needs no catalogue: give both every plural form.
                    text: view.backupCount === 1 ? qsTr("%n backup", "", view.backupCount) : qsTr("%n backups", "", view.backupCount)
                    font: Theme.font.caption
                    color: Theme.secondaryText
                }
            }

            EmptyState {
                objectName: "backupsEmptyState"
                // Its texts keep to their own width, which would otherwise cap the whole column's.
                Layout.fillWidth: true
                Layout.maximumWidth: Infinity
                visible: view.backupCount === 0
                padding: Theme.spacing.spacious
                icon: "externaldrive.badge.xmark"
                heading: qsTr("No backups yet")
                text: qsTr("Create a backup to save your current Dock layout.")
            }
        }
    ]

    ConfirmationDialog {
        id: resetConfirmation

        objectName: "resetConfirmation"
        title: qsTr("Reset Dock to Apple Defaults?")
        message: qsTr("This removes all Dock customizations. Create a backup first if you want to restore later.")
        defaultText: qsTr("Reset Dock")
        onAccepted: DockViewModel.resetDock()
    }

    ConfirmationDialog {
        id: restoreConfirmation

        objectName: "restoreConfirmation"
        title: qsTr("Restore this backup?")
        message: view.selectedBackup !== "" ? qsTr("Your current Dock will be replaced with: %1").arg(view.selectedFileName) : ""
        defaultText: qsTr("Restore")
        destructive: false
        // Wide enough that a backup's file name fits on the line below the message's first words.
        sheetWidth: Theme.sheet.width
        onAccepted: {
            if (view.selectedBackup !== "")
                DockViewModel.restoreBackup(view.selectedBackup)
        }
    }
}
