// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Dialogs
import QtQuick.Layouts
import QtQuick.Templates as T
import Qt.labs.platform as Labs
import Berthwise

// The Profiles section: the saved profiles as cards, with capturing the current Dock, importing a
// profile file, and each card's apply, rename, export and delete.
GridPage {
    id: screen

    objectName: "profilesView"
    title: qsTr("Profiles")
    subtitle: qsTr("Save and switch between complete Dock configurations.")

    readonly property bool isEmpty: DockViewModel.profiles.count === 0

    // A slash would turn the proposal into a path into some folder; everything else a name may hold
    // is fine in a file name.
    function proposedFileName(name) {
        return name.replace(/\//g, "-") + ".berthwise.json";
    }

    function captureNew() {
        captureSheet.open();
    }

    function exportProfile(profileId, name) {
        exportDialog.profileId = profileId;
        const folder = String(exportDialog.currentFolder).replace(/\/$/, "");
        exportDialog.selectedFile = folder + "/" + encodeURIComponent(proposedFileName(name));
        // Once the card's menu has closed and given the focus back, so that the built-in dialog
        // keeps the focus it takes as it opens.
        Qt.callLater(() => exportDialog.open());
    }

    // The file may have changed since the list was last read: another copy of the app, or a hand
    // edit. An unreadable one shows as no profiles and is kept aside when the next change is saved.
    onAppeared: DockViewModel.reloadProfiles()

    headerTrailing: [
        BorderedButton {
            objectName: "importButton"
            text: qsTr("Import")
            icon: "square.and.arrow.down"
            onActivated: importDialog.open()
        },
        PrimaryButton {
            objectName: "captureButton"
            text: qsTr("Capture Current Dock")
            icon: "camera.viewfinder"
            onActivated: screen.captureNew()
        }
    ]

    model: DockViewModel.profiles
    minimumColumnWidth: 260
    cellHeight: tallestCard.implicitHeight + spacing

    delegate: ProfileCard {
        id: card

        objectName: "profileCard_" + card.name
        width: screen.cardWidth
        height: screen.cardHeight
        onApplyRequested: DockViewModel.applyProfile(card.profileId)
        onRenameRequested: renameDialog.openFor(card.profileId, card.name)
        onExportRequested: screen.exportProfile(card.profileId, card.name)
        onDeleteRequested: DockViewModel.deleteProfile(card.profileId)
    }

    // Every cell is as tall as the tallest card can be at the grid's column width: the one with the
    // most and the widest badges. Never shown, and out of reach of the pointer and the keyboard.
    ProfileCard {
        id: tallestCard

        width: screen.cardWidth
        opacity: 0
        enabled: false
        z: -1
        Accessible.ignored: true
        profileId: ""
        name: qsTr("Profile")
        icon: "square.stack.3d.up.fill"
        capturedText: qsTranslate("ProfileListModel", "Captured %1").arg("Sep 30, 2026")
        badges: [qsTranslate("DisplayText", "Size %1px").arg(128), qsTranslate("DisplayText", "Bottom"), qsTranslate("DisplayText", "Auto-hide")]
    }

    above: EmptyState {
        objectName: "profilesEmptyState"
        visible: screen.isEmpty
        Layout.alignment: Qt.AlignHCenter
        icon: "square.stack.3d.up.slash"
        heading: qsTr("No profiles yet")
        text: qsTr("Capture your current Dock to create your first profile.")
        actionText: qsTr("Capture Current Dock")
        actionIcon: "camera.viewfinder"
        onActionTriggered: screen.captureNew()
    }

    below: InfoBanner {
        icon: "square.stack.3d.up"
        message: qsTr("Profiles capture your full Dock configuration so you can switch between setups like Coding, Design, or Presentation. Applying a profile automatically backs up your current Dock first.")
    }

    CaptureProfileSheet {
        id: captureSheet

        objectName: "captureSheet"
        onCapture: (name, icon) => DockViewModel.captureProfile(name, icon)
    }

    RenameProfileDialog {
        id: renameDialog

        objectName: "renameDialog"
        onAccepted: DockViewModel.renameProfile(renameDialog.profileId, renameDialog.text)
    }

    // Qt's built-in file dialog, which stands in where the desktop has none of its own, opens inside
    // the window but does not hold it: while it is open, this backdrop dims the window and keeps the
    // pointer from it, as a sheet's does. It is told from the desktop's own, a window apart, by the
    // focus it takes into the window's overlay as it opens.
    readonly property Item overlayLayer: T.Overlay.overlay
    property bool fileDialogInWindow: false

    function noteFileDialog(dialog) {
        // A press beside the built-in dialog closes it before the press is delivered: the backdrop
        // stays until then, so that the press lands on it and not on the page.
        if (!dialog.visible) {
            Qt.callLater(() => screen.fileDialogInWindow = false);
            return;
        }
        let item = Window.activeFocusItem;
        while (item && item !== overlayLayer)
            item = item.parent;
        fileDialogInWindow = item !== null;
    }

    ModalBackdrop {
        parent: screen.overlayLayer
        anchors.fill: parent
        z: -1
        visible: screen.fileDialogInWindow

        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.AllButtons
            hoverEnabled: true
        }
    }

    // Both dialogs are the platform's own where it has one. They start in the home folder, not in
    // the folder the app happened to be started from, and then stay where the person last went.
    FileDialog {
        id: exportDialog

        // The profile being exported, named when the dialog opens.
        property string profileId

        objectName: "exportDialog"
        title: qsTr("Export Profile")
        currentFolder: Labs.StandardPaths.writableLocation(Labs.StandardPaths.HomeLocation)
        fileMode: FileDialog.SaveFile
        acceptLabel: qsTr("Save")
        nameFilters: [qsTr("JSON files (*.json)")]
        defaultSuffix: "json"
        onAccepted: DockViewModel.exportProfile(exportDialog.profileId, exportDialog.selectedFile)
        onVisibleChanged: screen.noteFileDialog(exportDialog)
    }

    FileDialog {
        id: importDialog

        objectName: "importDialog"
        title: qsTr("Import Profile")
        currentFolder: Labs.StandardPaths.writableLocation(Labs.StandardPaths.HomeLocation)
        fileMode: FileDialog.OpenFile
        nameFilters: [qsTr("JSON files (*.json)")]
        onAccepted: DockViewModel.importProfile(importDialog.selectedFile)
        onVisibleChanged: screen.noteFileDialog(importDialog)
    }
}
