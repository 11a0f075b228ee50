// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Templates as T
import Berthwise

// The main window's content: the sidebar of sections, the selected section's screen with the status
// bar over its bottom edge, and the alert that reports failures.
Item {
    id: content

    // The selected section's key; empty when nothing is selected, which shows the Dashboard.
    property string selection: "dashboard"
    readonly property string shownSection: selection === "" ? "dashboard" : selection
    readonly property var shownItem: sections.find(section => section.key === shownSection)
    // The window is titled after the shown section, so its title bar says where the user is.
    readonly property string title: shownItem.title

    // Key, title, symbol and screen type of each section, in sidebar order; About stands alone in a
    // second group.
    readonly property var sections: [
        { key: "dashboard", title: qsTr("Dashboard"), icon: "rectangle.grid.2x2.fill", screen: "DashboardView", group: 0 },
        { key: "spacers", title: qsTr("Spacers"), icon: "rectangle.split.3x1.fill", screen: "SpacersView", group: 0 },
        { key: "behavior", title: qsTr("Behavior"), icon: "switch.2", screen: "BehaviorView", group: 0 },
        { key: "appearance", title: qsTr("Appearance"), icon: "slider.horizontal.3", screen: "AppearanceView", group: 0 },
        { key: "presets", title: qsTr("Presets"), icon: "sparkles", screen: "PresetsView", group: 0 },
        { key: "profiles", title: qsTr("Profiles"), icon: "square.stack.3d.up.fill", screen: "ProfilesView", group: 0 },
        { key: "schedules", title: qsTr("Schedules"), icon: "clock.badge.checkmark", screen: "SchedulesView", group: 0 },
        { key: "backup", title: qsTr("Backup & Restore"), icon: "externaldrive.fill", screen: "BackupRestoreView", group: 0 },
        { key: "about", title: qsTr("About"), icon: "info.circle.fill", screen: "AboutView", group: 1 }
    ]

    // Held until the window goes: a component nobody holds would be collected.
    property Component preloaded

    function select(key) {
        selection = key
    }

    // The other sections' screens need the controls and their style, which the window and the first
    // screen do without. The sheet frame brings them, with the pieces most screens share; loaded in
    // the background once the window has drawn, no section's first visit waits for them. Each
    // screen's own types load on its first visit: all of them at once would hold several megabytes
    // for screens the user may never open.
    function preloadScreens() {
        preloaded = Qt.createComponent("components/SheetFrame.qml", Component.Asynchronous)
    }

    T.SplitView {
        id: split
        anchors.fill: parent
        orientation: Qt.Horizontal
        handle: Rectangle {
            implicitWidth: 1
            color: Theme.quaternaryText
        }

        Rectangle {
            id: sidebar
            objectName: "sidebar"
            T.SplitView.preferredWidth: 220
            T.SplitView.minimumWidth: 180
            T.SplitView.maximumWidth: 320
            color: Theme.sidebarBackground

            Accessible.role: Accessible.List
            Accessible.name: qsTr("Sections")

            StaticText {
                id: navigationTitle

                text: "Berthwise"
                x: Theme.spacing.card
                y: Theme.spacing.large
                font: Theme.font.captionEmphasis
                color: Theme.tertiaryText
                Accessible.role: Accessible.Heading
            }

            // Holds the keyboard focus for the rows and knows why it came: Tab shows where it is, as
            // do the arrow keys; focus from a click, or back from a menu or dialog, shows no ring,
            // as pointer users expect. It has no size, so that clicks reach the rows.
            T.Control {
                id: sidebarFocus

                property bool steppedByKeyboard: false
                readonly property bool showsFocus: activeFocus && (steppedByKeyboard
                                                                   || focusReason === Qt.TabFocusReason
                                                                   || focusReason === Qt.BacktabFocusReason)

                function step(offset) {
                    steppedByKeyboard = true
                    const index = content.sections.findIndex(section => section.key === content.shownSection)
                    const next = Math.max(0, Math.min(content.sections.length - 1, index + offset))
                    content.select(content.sections[next].key)
                }

                objectName: "sidebarFocus"
                activeFocusOnTab: true
                onActiveFocusChanged: if (!activeFocus) steppedByKeyboard = false
                Keys.onUpPressed: step(-1)
                Keys.onDownPressed: step(1)
            }

            Column {
                id: sidebarList
                objectName: "sidebarList"
                anchors.top: navigationTitle.bottom
                anchors.topMargin: Theme.spacing.small
                anchors.left: parent.left
                anchors.right: parent.right

                Repeater {
                    model: content.sections

                    delegate: SidebarRow {
                        required property var modelData
                        required property int index
                        objectName: "sidebarRow_" + modelData.key
                        width: sidebarList.width
                        // The groups have no headers; only a gap tells them apart.
                        topInset: index > 0 && content.sections[index - 1].group !== modelData.group
                                  ? Theme.spacing.large : 0
                        title: modelData.title
                        icon: modelData.icon
                        selected: content.selection === modelData.key
                        listFocused: sidebarFocus.showsFocus
                        onActivated: {
                            sidebarFocus.steppedByKeyboard = false
                            sidebarFocus.forceActiveFocus()
                            content.select(modelData.key)
                        }
                    }
                }
            }
        }

        Item {
            id: detail
            objectName: "detail"
            T.SplitView.fillWidth: true
            T.SplitView.minimumWidth: 500

            // The screen ends where the status bar begins, so its last row can always be scrolled
            // into view rather than staying hidden behind the bar.
            Loader {
                id: screen
                objectName: "screenLoader"
                anchors.top: parent.top
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.bottom: statusDivider.top
                source: content.shownItem.screen + ".qml"
            }

            Divider {
                id: statusDivider

                anchors.left: parent.left
                anchors.right: parent.right
                anchors.bottom: statusBar.top
            }

            StatusBarView {
                id: statusBar
                objectName: "statusBar"
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.bottom: parent.bottom
            }
        }
    }

    // Loaded when the first failure comes: an alert nobody has needed yet would only delay the
    // window's first frame. From then on it follows the errors itself.
    Loader {
        id: errorAlert

        objectName: "errorAlertLoader"
        Connections {
            target: DockViewModel
            enabled: errorAlert.status === Loader.Null

            function onLastErrorChanged() {
                if (DockViewModel.lastError !== "")
                    errorAlert.setSource("ErrorAlert.qml", { parent: content.T.Overlay.overlay })
            }
        }
    }
}
