// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Berthwise

// The Appearance section: a live miniature of the Dock above its position, size, magnification and
// minimise effect.
ScreenPage {
    id: screen

    objectName: "appearanceView"
    title: qsTr("Appearance")
    subtitle: qsTr("Adjust the visual look and position of your Dock.")
    spacing: Theme.spacing.regular
    headerGap: Theme.spacing.small

    component SectionTitle: StaticText {
        Layout.topMargin: Theme.spacing.regular
        font: Theme.font.title3
        Accessible.role: Accessible.Heading
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
        text: qsTr("Position")
    }

    SegmentedPicker {
        objectName: "positionPicker"
        Layout.fillWidth: true
        label: qsTr("Dock Position")
        segments: [
            { value: "left", text: qsTr("Left"), icon: "align.horizontal.left" },
            { value: "bottom", text: qsTr("Bottom"), icon: "align.vertical.bottom" },
            { value: "right", text: qsTr("Right"), icon: "align.horizontal.right" }
        ]
        currentValue: DockViewModel.dockPosition
        onActivated: value => DockViewModel.applyDockPosition(value)
    }

    SectionTitle {
        text: qsTr("Size")
    }

    SliderSettingRow {
        objectName: "dockSizeRow"
        Layout.fillWidth: true
        title: qsTr("Dock Size")
        subtitle: qsTr("Change the base icon size.")
        icon: "arrow.up.left.and.arrow.down.right"
        value: DockViewModel.dockSize
        from: 24
        to: 96
        step: 1
        unit: "px"
        onValueEdited: value => DockViewModel.dockSize = value
        onCommit: DockViewModel.applyDockSize()
    }

    SectionTitle {
        text: qsTr("Magnification")
    }

    SettingToggleRow {
        objectName: "magnificationRow"
        Layout.fillWidth: true
        title: qsTr("Enable Magnification")
        subtitle: qsTr("Enlarge icons when hovering over the Dock.")
        icon: "magnifyingglass"
        isOn: DockViewModel.isMagnificationEnabled
        onChange: value => DockViewModel.applyMagnification(value)
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
                duration: Theme.motion.reveal
                easing.type: Easing.InOutQuad
            }
        }

        SliderSettingRow {
            id: magnificationSizeRow

            objectName: "magnificationSizeRow"
            width: parent.width
            y: -implicitHeight * (1 - magnificationSizeSlot.reveal)
            opacity: magnificationSizeSlot.reveal
            title: qsTr("Magnification Size")
            subtitle: qsTr("Maximum icon size when hovered.")
            icon: "arrow.up.left.and.down.right.magnifyingglass"
            value: DockViewModel.magnificationSize
            from: 48
            to: 128
            step: 1
            unit: "px"
            onValueEdited: value => DockViewModel.magnificationSize = value
            onCommit: DockViewModel.applyMagnificationSize()
        }
    }

    SectionTitle {
        text: qsTr("Minimize Effect")
    }

    SegmentedPicker {
        objectName: "minimizeEffectPicker"
        Layout.fillWidth: true
        label: qsTr("Minimize Effect")
        segments: [
            { value: "genie", text: qsTr("Genie") },
            { value: "scale", text: qsTr("Scale") },
            { value: "suck", text: qsTr("Suck") }
        ]
        currentValue: DockViewModel.minimizeEffect
        onActivated: value => DockViewModel.applyMinimizeEffect(value)
    }
}
