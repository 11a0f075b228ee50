// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Berthwise

// The Appearance section: a live miniature of the Dock above its position, size, magnification and
// minimise effect.
ScrollView {
    id: screen

    objectName: "appearanceView"
    ScrollBar.vertical.Accessible.name: "Appearance"
    ScrollBar.horizontal.Accessible.name: "Appearance"

    component SectionTitle: Text {
        Layout.topMargin: 12
        font.pixelSize: Theme.title3
        font.bold: true
        color: Theme.primaryText
        Accessible.role: Accessible.Heading
        Accessible.name: text
    }

    contentWidth: availableWidth

    Item {
        // The status bar lies over the bottom edge; the last row must scroll clear of it.
        implicitHeight: column.implicitHeight + 32 + 64
        width: screen.availableWidth

        ColumnLayout {
            id: column

            x: 32
            y: 32
            width: parent.width - 64
            spacing: 12

            ColumnLayout {
                spacing: 4
                Layout.bottomMargin: 8

                Text {
                    text: "Appearance"
                    font.pixelSize: Theme.largeTitle
                    font.bold: true
                    color: Theme.primaryText
                    Accessible.role: Accessible.Heading
                    Accessible.name: text
                }

                Text {
                    Layout.fillWidth: true
                    text: "Adjust the visual look and position of your Dock."
                    font.pixelSize: Theme.subheadline
                    color: Theme.secondaryText
                    wrapMode: Text.WordWrap
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                }
            }

            LiveDockPreview {
                objectName: "dockPreview"
                Layout.fillWidth: true
                dockSize: DockViewModel.dockSize
                dockPosition: DockViewModel.dockPosition
                magnification: DockViewModel.isMagnificationEnabled
                autoHide: DockViewModel.isAutoHideEnabled
            }

            SectionTitle {
                text: "Position"
            }

            SegmentedPicker {
                objectName: "positionPicker"
                Layout.fillWidth: true
                label: "Dock Position"
                segments: [
                    { value: "left", text: "Left", icon: "align.horizontal.left" },
                    { value: "bottom", text: "Bottom", icon: "align.vertical.bottom" },
                    { value: "right", text: "Right", icon: "align.horizontal.right" }
                ]
                currentValue: DockViewModel.dockPosition
                onActivated: value => DockViewModel.changeDockPosition(value)
            }

            SectionTitle {
                text: "Size"
            }

            SliderSettingRow {
                objectName: "dockSizeRow"
                Layout.fillWidth: true
                title: "Dock Size"
                subtitle: "Change the base icon size."
                icon: "arrow.up.left.and.arrow.down.right"
                value: DockViewModel.dockSize
                from: 24
                to: 96
                step: 1
                unit: "px"
                onValueEdited: value => DockViewModel.dockSize = value
                onCommit: DockViewModel.commitDockSize()
            }

            SectionTitle {
                text: "Magnification"
            }

            SettingToggleRow {
                objectName: "magnificationRow"
                Layout.fillWidth: true
                title: "Enable Magnification"
                subtitle: "Enlarge icons when hovering over the Dock."
                icon: "magnifyingglass"
                isOn: DockViewModel.isMagnificationEnabled
                onChange: value => DockViewModel.changeMagnification(value)
            }

            // Slides down from under the toggle while fading in, and back up while fading out.
            Item {
                id: magnificationSizeSlot

                property real reveal: DockViewModel.isMagnificationEnabled ? 1 : 0

                Layout.fillWidth: true
                Layout.preferredHeight: magnificationSizeRow.implicitHeight * reveal
                visible: reveal > 0
                clip: true

                Behavior on reveal {
                    NumberAnimation {
                        duration: 250
                        easing.type: Easing.InOutQuad
                    }
                }

                SliderSettingRow {
                    id: magnificationSizeRow

                    objectName: "magnificationSizeRow"
                    width: parent.width
                    y: -implicitHeight * (1 - magnificationSizeSlot.reveal)
                    opacity: magnificationSizeSlot.reveal
                    title: "Magnification Size"
                    subtitle: "Maximum icon size when hovered."
                    icon: "arrow.up.left.and.down.right.magnifyingglass"
                    value: DockViewModel.magnificationSize
                    from: 48
                    to: 128
                    step: 1
                    unit: "px"
                    onValueEdited: value => DockViewModel.magnificationSize = value
                    onCommit: DockViewModel.commitMagnificationSize()
                }
            }

            SectionTitle {
                text: "Minimize Effect"
            }

            SegmentedPicker {
                objectName: "minimizeEffectPicker"
                Layout.fillWidth: true
                label: "Minimize Effect"
                segments: [
                    { value: "genie", text: "Genie" },
                    { value: "scale", text: "Scale" },
                    { value: "suck", text: "Suck" }
                ]
                currentValue: DockViewModel.minimizeEffect
                onActivated: value => DockViewModel.changeMinimizeEffect(value)
            }
        }
    }
}
