// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Berthwise

// The Presets section: the built-in Dock set-ups as cards, each applied with one click and no
// confirmation, since the Dock is backed up before every apply.
ScreenPage {
    id: screen

    objectName: "presetsView"
    title: qsTr("Presets")
    subtitle: qsTr("Apply a complete Dock configuration in one click. Your current layout is backed up automatically.")
    spacing: Theme.spacing.section

    AdaptiveGrid {
        id: grid

        // Descriptions wrap onto different numbers of lines; every card takes the tallest one's height.
        readonly property real cardHeight: {
            let tallest = 0;
            for (let row = 0; row < cards.count; ++row)
                tallest = Math.max(tallest, cards.itemAt(row)?.implicitHeight ?? 0);
            return tallest;
        }

        objectName: "presetGrid"
        Layout.fillWidth: true
        minimumColumnWidth: 260

        Repeater {
            id: cards

            model: DockViewModel.presets

            delegate: PresetCard {
                objectName: "presetCard_" + name
                width: grid.columnWidth
                height: grid.cardHeight
                // Buttons stay enabled while anything runs: an apply never waits for another.
                onActivated: DockViewModel.applyPreset(presetId)
            }
        }
    }

    InfoBanner {
        objectName: "presetsBanner"
        icon: "externaldrive.badge.checkmark"
        message: qsTr("A backup is automatically created before each preset is applied. You can restore it from Backup & Restore.")
    }
}
