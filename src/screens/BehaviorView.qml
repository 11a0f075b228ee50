// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Berthwise

// The Behavior section: the Dock's on/off settings, each applied as soon as it is switched.
ScreenPage {
    id: screen

    objectName: "behaviorView"
    title: "Behavior"
    subtitle: "Control how your Dock behaves and responds to interactions."
    spacing: Theme.spacing.regular
    headerGap: Theme.spacing.small

    // Each row names its setting and the operation that applies it, so the linter checks both.
    component BehaviorRow: SettingToggleRow {
        Layout.fillWidth: true
    }

    BehaviorRow {
        objectName: "isAutoHideEnabledRow"
        title: "Auto-hide Dock"
        subtitle: "Hide the Dock until your pointer reaches its edge."
        icon: "arrow.down.to.line.compact"
        isOn: DockViewModel.isAutoHideEnabled
        onChange: value => DockViewModel.applyAutoHide(value)
    }

    BehaviorRow {
        objectName: "fastAutoHideRow"
        title: "Fast Auto-hide"
        subtitle: "Eliminate the show/hide animation delay."
        icon: "speedometer"
        isOn: DockViewModel.fastAutoHide
        onChange: value => DockViewModel.applyFastAutoHide(value)
    }

    BehaviorRow {
        objectName: "showOnlyRunningAppsRow"
        title: "Show Only Running Apps"
        subtitle: "Display only open apps, like a classic taskbar."
        icon: "app.badge"
        isOn: DockViewModel.showOnlyRunningApps
        onChange: value => DockViewModel.applyShowOnlyRunningApps(value)
    }

    BehaviorRow {
        objectName: "dimHiddenAppsRow"
        title: "Dim Hidden Apps"
        subtitle: "Apps hidden with ⌘H appear translucent in the Dock."
        icon: "eye.slash.fill"
        isOn: DockViewModel.dimHiddenApps
        onChange: value => DockViewModel.applyDimHiddenApps(value)
    }

    BehaviorRow {
        objectName: "showRunningIndicatorsRow"
        title: "Show Running Indicators"
        subtitle: "Display dots under apps that are currently open."
        icon: "circle.fill"
        isOn: DockViewModel.showRunningIndicators
        onChange: value => DockViewModel.applyShowRunningIndicators(value)
    }

    BehaviorRow {
        objectName: "minimizeIntoAppIconRow"
        title: "Minimize into App Icon"
        subtitle: "Keep the Dock clean — no separate minimized window tiles."
        icon: "arrow.down.right.and.arrow.up.left"
        isOn: DockViewModel.minimizeIntoAppIcon
        onChange: value => DockViewModel.applyMinimizeIntoAppIcon(value)
    }

    BehaviorRow {
        objectName: "hideRecentAppsRow"
        title: "Hide Recent Apps"
        subtitle: "Remove the recent apps section from the Dock."
        icon: "clock.fill"
        isOn: DockViewModel.hideRecentApps
        onChange: value => DockViewModel.applyHideRecentApps(value)
    }

    InfoBanner {
        Layout.topMargin: Theme.spacing.small
        Layout.maximumWidth: screen.contentItem.width
        icon: "bolt.fill"
        message: "Changes apply immediately and restart your Dock. Running apps remain open."
    }
}
