// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Berthwise

// A drawn miniature of the Dock that follows its size, magnification and auto-hide as they change.
Rectangle {
    id: preview

    property real dockSize: 48
    // Taken with the rest of the appearance, though the miniature is a horizontal row at every edge.
    property string dockPosition: "bottom"
    property bool magnification
    property bool autoHide
    // The tile under the pointer, or -1.
    property int hoveredIndex: -1

    // Large enough to read at the smallest Dock, small enough that the row fits the narrowest window.
    readonly property real tileSize: Math.min(52, Math.max(24, dockSize * 0.7))
    readonly property var tiles: [
        { icon: "safari", color: Theme.blue },
        { icon: "mail.fill", color: Theme.blue },
        { icon: "message.fill", color: Theme.green },
        { icon: "music.note", color: Theme.pink },
        { icon: "photo.fill", color: Theme.orange },
        { icon: "folder.fill", color: Theme.yellow },
        { icon: "calendar", color: Theme.red },
        { icon: "gear", color: Theme.grey }
    ]

    implicitHeight: layout.implicitHeight + 2 * Theme.spacing.loose
    radius: Theme.radius.card
    color: Theme.tinted(Theme.primaryText, 0.025)
    border.width: 1
    border.color: Theme.faintOutline
    Accessible.role: Accessible.Graphic
    Accessible.name: qsTr("Dock Preview")

    ColumnLayout {
        id: layout

        anchors.fill: parent
        anchors.margins: Theme.spacing.loose
        spacing: Theme.spacing.small

        Text {
            text: qsTr("Dock Preview")
            font: Theme.font.captionEmphasis
            color: Theme.tertiaryText
            // The panel itself carries this name.
            Accessible.ignored: true
        }

        Item {
            id: stage

            Layout.fillWidth: true
            // Room above the row for a magnified tile and below it for the auto-hide caption, kept
            // while either is off so that switching them does not move the screen below.
            implicitHeight: preview.tileSize * 0.4 + dock.height + Theme.spacing.tight + autoHideCaption.implicitHeight

            Rectangle {
                id: dock

                objectName: "dockRow"
                anchors.horizontalCenter: parent.horizontalCenter
                anchors.bottom: autoHideCaption.top
                anchors.bottomMargin: Theme.spacing.tight
                width: tileRow.implicitWidth + 2 * Theme.spacing.comfortable
                height: preview.tileSize + 2 * Theme.spacing.snug
                radius: Theme.radius.panel
                color: Theme.tinted(Theme.primaryText, 0.12)
                border.width: 1
                border.color: Theme.tinted(Theme.onAccent, 0.25)
                opacity: preview.autoHide ? 0.45 : 1

                Behavior on opacity {
                    NumberAnimation {
                        duration: Theme.motion.standard
                    }
                }

                // A positioner rather than a layout: layouts round sizes to whole points, and the
                // tiles are as wide as the Dock's size says, fractions included.
                Row {
                    id: tileRow

                    anchors.left: parent.left
                    anchors.leftMargin: Theme.spacing.comfortable
                    anchors.bottom: parent.bottom
                    anchors.bottomMargin: Theme.spacing.snug
                    spacing: 6

                    Repeater {
                        model: preview.tiles

                        delegate: Item {
                            id: slot

                            required property var modelData
                            required property int index
                            readonly property bool hasDivider: index === 3

                            width: (hasDivider ? divider.width + tileRow.spacing : 0) + tile.width
                            // Tall enough for a magnified tile, which grows upwards out of the row.
                            height: preview.tileSize * 1.4

                            // Separates the apps from the folders, as the real Dock does.
                            Rectangle {
                                id: divider

                                visible: slot.hasDivider
                                objectName: slot.hasDivider ? "dockDivider" : ""
                                anchors.bottom: parent.bottom
                                anchors.bottomMargin: preview.tileSize * 0.15
                                width: 1
                                height: preview.tileSize * 0.7
                                color: Theme.tinted(Theme.onAccent, 0.15)
                            }

                            Rectangle {
                                id: tile

                                property real growth: preview.magnification && preview.hoveredIndex === slot.index
                                                      ? 1.4 : 1

                                objectName: "previewTile" + slot.index
                                x: slot.hasDivider ? divider.width + tileRow.spacing : 0
                                anchors.bottom: parent.bottom
                                width: preview.tileSize * growth
                                height: width
                                radius: width * 0.22
                                gradient: Gradient {
                                    GradientStop {
                                        position: 0
                                        color: Qt.lighter(slot.modelData.color, 1.25)
                                    }
                                    GradientStop {
                                        position: 1
                                        color: slot.modelData.color
                                    }
                                }

                                Behavior on growth {
                                    SpringAnimation {
                                        spring: Theme.motion.bouncySpring
                                        damping: Theme.motion.bouncyDamping
                                        epsilon: 0.001
                                    }
                                }

                                SymbolIcon {
                                    anchors.centerIn: parent
                                    name: slot.modelData.icon
                                    size: tile.width * 0.45
                                    color: Theme.onAccent
                                }

                                MouseArea {
                                    anchors.fill: parent
                                    hoverEnabled: true
                                    acceptedButtons: Qt.NoButton
                                    onEntered: preview.hoveredIndex = slot.index
                                    // Entering the next tile may come first; only clear our own index.
                                    onExited: {
                                        if (preview.hoveredIndex === slot.index)
                                            preview.hoveredIndex = -1;
                                    }
                                }
                            }
                        }
                    }
                }
            }

            StaticText {
                id: autoHideCaption

                visible: preview.autoHide
                objectName: "autoHideCaption"
                anchors.horizontalCenter: dock.horizontalCenter
                anchors.bottom: parent.bottom
                text: qsTr("Auto-hide on")
                font: Theme.font.caption2
                color: Theme.secondaryText
            }
        }
    }
}
