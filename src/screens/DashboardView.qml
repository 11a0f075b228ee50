// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Berthwise

// The start screen: a greeting and six one-click actions for the commonest Dock changes.
ScreenPage {
    id: dashboard

    objectName: "dashboardView"
    navigationTitle: "Dashboard"
    title: "Berthwise"
    subtitle: "Customize your macOS Dock visually, safely, and instantly."

    // The cards only ever turn settings on. Clean Dock and Fast Auto-hide start their two writes
    // together; the status shows whichever ends last.
    readonly property var quickActions: [
        {
            key: "addSpacer", title: "Add Spacer",
            subtitle: "Insert a standard separator into the apps section.",
            icon: "rectangle.split.3x1.fill", color: Theme.blue,
            action: () => DockViewModel.addSpacer("standard", "apps")
        },
        {
            key: "cleanDock", title: "Clean Dock",
            subtitle: "Hide recents and minimize windows into app icons.",
            icon: "wand.and.stars", color: Theme.indigo,
            action: () => {
                DockViewModel.applyHideRecentApps(true)
                DockViewModel.applyMinimizeIntoAppIcon(true)
            }
        },
        {
            key: "fastAutoHide", title: "Fast Auto-hide",
            subtitle: "Enable auto-hide with instant show/hide speed.",
            icon: "speedometer", color: Theme.green,
            action: () => {
                DockViewModel.applyAutoHide(true)
                DockViewModel.applyFastAutoHide(true)
            }
        },
        {
            key: "dimHiddenApps", title: "Dim Hidden Apps",
            subtitle: "Show hidden apps as translucent in the Dock.",
            icon: "eye.slash.fill", color: Theme.purple,
            action: () => DockViewModel.applyDimHiddenApps(true)
        },
        {
            key: "backupDock", title: "Backup Dock",
            subtitle: "Save your current Dock layout to a local file.",
            icon: "externaldrive.badge.plus", color: Theme.orange,
            action: () => DockViewModel.createBackup()
        },
        {
            key: "developerMode", title: "Developer Mode",
            subtitle: "Apply compact left-side Dock preset for coding.",
            icon: "terminal.fill", color: Theme.teal,
            action: () => dashboard.applyPresetNamed("Developer Mode")
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
