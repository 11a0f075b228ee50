// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Berthwise

// The Behavior section: the Dock's on/off settings, each applied as soon as it is switched.
ScreenPage {
    id: screen

    objectName: "behaviorView"
    title: qsTr("Behavior")
    subtitle: qsTr("Control how your Dock behaves and responds to interactions.")
    spacing: Theme.spacing.regular
    headerGap: Theme.spacing.small

    // Each row names its setting and the operation that applies it, so the linter checks both.
    component BehaviorRow: SettingToggleRow {
        Layout.fillWidth: true
    }

    BehaviorRow {
        objectName: "isAutoHideEnabledRow"
        title: qsTr("Auto-hide Dock")
        subtitle: qsTr("Hide the Dock until your pointer reaches its edge.")
        icon: "arrow.down.to.line.compact"
        isOn: DockViewModel.isAutoHideEnabled
        onChange: value => DockViewModel.applyAutoHide(value)
    }

    BehaviorRow {
        objectName: "fastAutoHideRow"
        title: qsTr("Fast Auto-hide")
        subtitle: qsTr("Eliminate the show/hide animation delay.")
        icon: "speedometer"
        isOn: DockViewModel.fastAutoHide
        onChange: value => DockViewModel.applyFastAutoHide(value)
    }

    BehaviorRow {
        objectName: "showOnlyRunningAppsRow"
        title: qsTr("Show Only Running Apps")
        subtitle: qsTr("Display only open apps, like a classic taskbar.")
        icon: "app.badge"
        isOn: DockViewModel.showOnlyRunningApps
        onChange: value => DockViewModel.applyShowOnlyRunningApps(value)
    }

    BehaviorRow {
        objectName: "dimHiddenAppsRow"
        title: qsTr("Dim Hidden Apps")
        subtitle: qsTr("Apps hidden with ⌘H appear translucent in the Dock.")
        icon: "eye.slash.fill"
        isOn: DockViewModel.dimHiddenApps
        onChange: value => DockViewModel.applyDimHiddenApps(value)
    }

    BehaviorRow {
        objectName: "showRunningIndicatorsRow"
        title: qsTr("Show Running Indicators")
        subtitle: qsTr("Display dots under apps that are currently open.")
        icon: "circle.fill"
        isOn: DockViewModel.showRunningIndicators
        onChange: value => DockViewModel.applyShowRunningIndicators(value)
    }

    BehaviorRow {
        objectName: "minimizeIntoAppIconRow"
        title: qsTr("Minimize into App Icon")
        subtitle: qsTr("Keep the Dock clean — no separate minimized window tiles.")
        icon: "arrow.down.right.and.arrow.up.left"
        isOn: DockViewModel.minimizeIntoAppIcon
        onChange: value => DockViewModel.applyMinimizeIntoAppIcon(value)
    }

    BehaviorRow {
        objectName: "hideRecentAppsRow"
        title: qsTr("Hide Recent Apps")
        subtitle: qsTr("Remove the recent apps section from the Dock.")
        icon: "clock.fill"
        isOn: DockViewModel.hideRecentApps
        onChange: value => DockViewModel.applyHideRecentApps(value)
    }

    InfoBanner {
        Layout.topMargin: Theme.spacing.small
        Layout.maximumWidth: screen.contentItem.width
        icon: "bolt.fill"
        message: qsTr("Changes apply immediately and restart your Dock. Running apps remain open.")
    }
}
