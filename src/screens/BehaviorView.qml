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

    readonly property var settings: [
        {
            title: "Auto-hide Dock",
            subtitle: "Hide the Dock until your pointer reaches its edge.",
            icon: "arrow.down.to.line.compact",
            field: "isAutoHideEnabled",
            change: "applyAutoHide"
        },
        {
            title: "Fast Auto-hide",
            subtitle: "Eliminate the show/hide animation delay.",
            icon: "speedometer",
            field: "fastAutoHide",
            change: "applyFastAutoHide"
        },
        {
            title: "Show Only Running Apps",
            subtitle: "Display only open apps, like a classic taskbar.",
            icon: "app.badge",
            field: "showOnlyRunningApps",
            change: "applyShowOnlyRunningApps"
        },
        {
            title: "Dim Hidden Apps",
            subtitle: "Apps hidden with ⌘H appear translucent in the Dock.",
            icon: "eye.slash.fill",
            field: "dimHiddenApps",
            change: "applyDimHiddenApps"
        },
        {
            title: "Show Running Indicators",
            subtitle: "Display dots under apps that are currently open.",
            icon: "circle.fill",
            field: "showRunningIndicators",
            change: "applyShowRunningIndicators"
        },
        {
            title: "Minimize into App Icon",
            subtitle: "Keep the Dock clean — no separate minimized window tiles.",
            icon: "arrow.down.right.and.arrow.up.left",
            field: "minimizeIntoAppIcon",
            change: "applyMinimizeIntoAppIcon"
        },
        {
            title: "Hide Recent Apps",
            subtitle: "Remove the recent apps section from the Dock.",
            icon: "clock.fill",
            field: "hideRecentApps",
            change: "applyHideRecentApps"
        }
    ]

    Repeater {
        model: screen.settings

        delegate: SettingToggleRow {
            required property var modelData

            objectName: modelData.field + "Row"
            Layout.fillWidth: true
            title: modelData.title
            subtitle: modelData.subtitle
            icon: modelData.icon
            isOn: DockViewModel[modelData.field]
            onChange: value => DockViewModel[modelData.change](value)
        }
    }

    InfoBanner {
        Layout.topMargin: Theme.spacing.small
        Layout.maximumWidth: screen.contentItem.width
        icon: "bolt.fill"
        message: "Changes apply immediately and restart your Dock. Running apps remain open."
    }
}
