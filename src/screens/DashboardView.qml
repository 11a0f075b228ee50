// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Berthwise

// The start screen: a greeting and six one-click actions for the commonest Dock changes.
ScreenPage {
    id: dashboard

    objectName: "dashboardView"
    navigationTitle: qsTr("Dashboard")
    title: "Berthwise"
    subtitle: qsTr("Customize your macOS Dock visually, safely, and instantly.")

    // The cards only ever turn settings on. Clean Dock and Fast Auto-hide start their two writes
    // together; the status shows whichever ends last.
    readonly property var quickActions: [
        {
            key: "addSpacer", title: qsTr("Add Spacer"),
            subtitle: qsTr("Insert a standard separator into the apps section."),
            icon: "rectangle.split.3x1.fill", color: Theme.blue,
            action: () => DockViewModel.addSpacer("standard", "apps")
        },
        {
            key: "cleanDock", title: qsTr("Clean Dock"),
            subtitle: qsTr("Hide recents and minimize windows into app icons."),
            icon: "wand.and.stars", color: Theme.indigo,
            action: () => {
                DockViewModel.applyHideRecentApps(true)
                DockViewModel.applyMinimizeIntoAppIcon(true)
            }
        },
        {
            key: "fastAutoHide", title: qsTr("Fast Auto-hide"),
            subtitle: qsTr("Enable auto-hide with instant show/hide speed."),
            icon: "speedometer", color: Theme.green,
            action: () => {
                DockViewModel.applyAutoHide(true)
                DockViewModel.applyFastAutoHide(true)
            }
        },
        {
            key: "dimHiddenApps", title: qsTr("Dim Hidden Apps"),
            subtitle: qsTr("Show hidden apps as translucent in the Dock."),
            icon: "eye.slash.fill", color: Theme.purple,
            action: () => DockViewModel.applyDimHiddenApps(true)
        },
        {
            key: "backupDock", title: qsTr("Backup Dock"),
            subtitle: qsTr("Save your current Dock layout to a local file."),
            icon: "externaldrive.badge.plus", color: Theme.orange,
            action: () => DockViewModel.createBackup()
        },
        {
            key: "developerMode", title: qsTr("Developer Mode"),
            subtitle: qsTr("Apply compact left-side Dock preset for coding."),
            icon: "terminal.fill", color: Theme.teal,
            action: () => dashboard.applyPresetNamed(qsTranslate("DockPreset", "Developer Mode"))
        }
    ]

    function applyPresetNamed(name) {
        const presets = DockViewModel.presets
        for (let row = 0; row < presets.count; ++row) {
            const preset = presets.get(row)
            if (preset.name === name) {
                DockViewModel.applyPreset(preset.presetId)
                return
            }
        }
    }

    headerDetails: ActivitySpinner {
        objectName: "dashboardProgress"
        running: DockViewModel.isWorking
        Layout.topMargin: Theme.spacing.tight
    }

    AdaptiveGrid {
        id: cards

        objectName: "quickActionGrid"
        Layout.fillWidth: true
        minimumColumnWidth: 220

        Repeater {
            model: dashboard.quickActions

            QuickActionCard {
                required property var modelData

                objectName: "quickAction_" + modelData.key
                width: cards.columnWidth
                title: modelData.title
                subtitle: modelData.subtitle
                icon: modelData.icon
                color: modelData.color
                onActivated: modelData.action()
            }
        }
    }
}
