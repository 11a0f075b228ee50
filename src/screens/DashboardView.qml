// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls
import Berthwise

// The start screen: a greeting and six one-click actions for the commonest Dock changes.
Flickable {
    id: dashboard
    objectName: "dashboardView"

    readonly property string title: "Dashboard"
    readonly property real margin: 32
    readonly property real minimumCardWidth: 220
    readonly property real cardSpacing: 16

    // The cards only ever turn settings on. Clean Dock and Fast Auto-hide start their two writes
    // together; the status shows whichever ends last.
    readonly property var quickActions: [
        {
            key: "addSpacer", title: "Add Spacer",
            subtitle: "Insert a standard separator into the apps section.",
            icon: "rectangle.split.3x1.fill", color: Theme.blue,
            action: () => DockViewModel.performAddSpacer("standard", "apps")
        },
        {
            key: "cleanDock", title: "Clean Dock",
            subtitle: "Hide recents and minimize windows into app icons.",
            icon: "wand.and.stars", color: Theme.indigo,
            action: () => {
                DockViewModel.changeHideRecentApps(true)
                DockViewModel.changeMinimizeIntoAppIcon(true)
            }
        },
        {
            key: "fastAutoHide", title: "Fast Auto-hide",
            subtitle: "Enable auto-hide with instant show/hide speed.",
            icon: "speedometer", color: Theme.green,
            action: () => {
                DockViewModel.changeAutoHide(true)
                DockViewModel.changeFastAutoHide(true)
            }
        },
        {
            key: "dimHiddenApps", title: "Dim Hidden Apps",
            subtitle: "Show hidden apps as translucent in the Dock.",
            icon: "eye.slash.fill", color: Theme.purple,
            action: () => DockViewModel.changeDimHiddenApps(true)
        },
        {
            key: "backupDock", title: "Backup Dock",
            subtitle: "Save your current Dock layout to a local file.",
            icon: "externaldrive.badge.plus", color: Theme.orange,
            action: () => DockViewModel.performCreateBackup()
        },
        {
            key: "developerMode", title: "Developer Mode",
            subtitle: "Apply compact left-side Dock preset for coding.",
            icon: "terminal.fill", color: Theme.teal,
            action: () => dashboard.applyPresetNamed("Developer Mode")
        }
    ]

    function applyPresetNamed(name) {
        const preset = DockViewModel.presets.find(candidate => candidate.name === name)
        if (preset)
            DockViewModel.performApplyPreset(preset.id)
    }

    contentWidth: width
    contentHeight: page.height + 2 * margin + 40
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    ScrollBar.vertical: ScrollBar {
        Accessible.name: "Dashboard"
    }

    Column {
        id: page
        x: dashboard.margin
        y: dashboard.margin
        width: dashboard.width - 2 * dashboard.margin
        spacing: 32

        Column {
            spacing: 6
            width: parent.width

            Text {
                text: "Berthwise"
                font.pixelSize: Theme.largeTitle
                font.bold: true
                color: Theme.primaryText
                Accessible.role: Accessible.Heading
                Accessible.name: text
            }

            Text {
                width: parent.width
                text: "Customize your macOS Dock visually, safely, and instantly."
                font.pixelSize: Theme.subheadline
                color: Theme.secondaryText
                wrapMode: Text.Wrap
                Accessible.role: Accessible.StaticText
                Accessible.name: text
            }

            Item {
                objectName: "dashboardProgress"
                visible: DockViewModel.isWorking
                width: 20
                height: visible ? 24 : 0

                BusyIndicator {
                    y: 4
                    width: 20
                    height: 20
                    running: parent.visible
                    Accessible.role: Accessible.Animation
                    Accessible.name: "Working"
                }
            }
        }

        Grid {
            id: cards
            objectName: "quickActionGrid"
            width: parent.width
            columns: Math.max(1, Math.floor((width + dashboard.cardSpacing)
                                            / (dashboard.minimumCardWidth + dashboard.cardSpacing)))
            columnSpacing: dashboard.cardSpacing
            rowSpacing: dashboard.cardSpacing

            readonly property real cardWidth: (width - (columns - 1) * columnSpacing) / columns

            Repeater {
                model: dashboard.quickActions

                QuickActionCard {
                    required property var modelData
                    objectName: "quickAction_" + modelData.key
                    width: cards.cardWidth
                    title: modelData.title
                    subtitle: modelData.subtitle
                    icon: modelData.icon
                    color: modelData.color
                    action: modelData.action
                }
            }
        }
    }
}
