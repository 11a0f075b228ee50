// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Berthwise

// A choice among a few values, drawn as a strip of segments with the current one raised.
Rectangle {
    id: picker

    // Names the choice for screen readers; the strip has no visible label.
    property string label
    // One entry per segment: { value, text } and optionally an icon name.
    property var segments: []
    property alias currentValue: choices.currentValue

    // Every choice, including the one already selected: choosing again re-applies it.
    signal activated(string value)

    implicitHeight: 34
    implicitWidth: strip.implicitWidth + 6
    radius: Theme.radius.control + 1
    color: Theme.faintFill
    Accessible.role: Accessible.Grouping
    Accessible.name: label

    ChoiceGroup {
        id: choices

        onActivated: value => picker.activated(value)
    }

    RowLayout {
        id: strip

        anchors.fill: parent
        anchors.margins: 3
        spacing: 3

        Repeater {
            model: picker.segments

            delegate: ChoiceButton {
                id: segment

                required property var modelData

                objectName: "segment_" + modelData.value
                group: choices
                value: modelData.value
                Layout.fillWidth: true
                Layout.fillHeight: true
                // Equal shares of the strip, whatever the texts' widths.
                Layout.preferredWidth: 1
                implicitWidth: segmentContent.implicitWidth + 24
                focusRadius: Theme.radius.control - 1
                Accessible.name: modelData.text

                Rectangle {
                    anchors.fill: parent
                    radius: Theme.radius.control - 1
                    color: segment.isSelected ? Theme.controlFace : segment.isHovered ? Theme.hoverFill : "transparent"
                    border.width: segment.isSelected ? 1 : 0
                    border.color: Theme.faintOutline

                    Behavior on color {
                        ColorAnimation {
                            duration: Theme.motion.quick
                        }
                    }
                }

                Row {
                    id: segmentContent

                    anchors.centerIn: parent
                    spacing: Theme.spacing.compact

                    SymbolIcon {
                        visible: !!segment.modelData.icon
                        anchors.verticalCenter: parent.verticalCenter
                        name: segment.modelData.icon ?? ""
                        size: Theme.iconSize.body
                        color: segment.isSelected ? Theme.accent : Theme.primaryText
                    }

                    Text {
                        anchors.verticalCenter: parent.verticalCenter
                        text: segment.modelData.text
                        font: segment.isSelected ? Theme.font.bodyEmphasis : Theme.font.body
                        color: Theme.primaryText
                        Accessible.ignored: true
                    }
                }
            }
        }
    }
}
