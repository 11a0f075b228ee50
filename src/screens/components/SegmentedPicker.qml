// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Templates as T
import QtQuick.Layouts
import Berthwise

// A choice among a few values, drawn as a strip of segments with the current one raised.
Rectangle {
    id: picker

    // Names the choice for screen readers; the strip has no visible label.
    property string label
    // One entry per segment: { value, text } and optionally an icon name.
    property var segments: []
    property string currentValue

    // Every choice, including the one already selected: choosing again re-applies it.
    signal activated(string value)

    implicitHeight: 34
    implicitWidth: strip.implicitWidth + 6
    radius: 9
    color: Theme.tinted(Theme.primaryText, 0.06)
    Accessible.role: Accessible.Grouping
    Accessible.name: label

    RowLayout {
        id: strip

        anchors.fill: parent
        anchors.margins: 3
        spacing: 3

        Repeater {
            model: picker.segments

            // Radio buttons, so that screen readers announce which segment is chosen.
            delegate: T.RadioButton {
                id: segment

                required property var modelData
                readonly property bool isSelected: modelData.value === picker.currentValue

                function choose() {
                    picker.activated(modelData.value);
                    checked = isSelected;
                }

                objectName: "segment_" + modelData.value
                Layout.fillWidth: true
                Layout.fillHeight: true
                // Equal shares of the strip, whatever the texts' widths.
                Layout.preferredWidth: 1
                implicitWidth: segmentContent.implicitWidth + 24
                focusPolicy: Qt.StrongFocus
                hoverEnabled: true
                // The selection is the picker's `currentValue`, never a click's own toggling.
                autoExclusive: false
                checked: isSelected
                onIsSelectedChanged: checked = isSelected
                onClicked: choose()
                Accessible.name: modelData.text
                Accessible.onPressAction: choose()
                Accessible.onToggleAction: choose()

                background: Rectangle {
                    radius: 7
                    color: segment.isSelected ? "white"
                                              : segment.hovered ? Theme.tinted(Theme.primaryText, 0.05)
                                                                : "transparent"
                    border.width: segment.isSelected || segment.visualFocus ? 1 : 0
                    border.color: segment.visualFocus ? Theme.blue
                                                      : Theme.tinted(Theme.primaryText, 0.12)

                    Behavior on color {
                        ColorAnimation {
                            duration: 150
                        }
                    }
                }

                contentItem: Item {
                    implicitHeight: segmentContent.implicitHeight

                    Row {
                        id: segmentContent

                        anchors.centerIn: parent
                        spacing: 6

                        SymbolIcon {
                            visible: !!segment.modelData.icon
                            anchors.verticalCenter: parent.verticalCenter
                            name: segment.modelData.icon ?? ""
                            size: 16
                            color: segment.isSelected ? Theme.blue : Theme.primaryText
                        }

                        Text {
                            anchors.verticalCenter: parent.verticalCenter
                            text: segment.modelData.text
                            font.pixelSize: Theme.body
                            font.weight: segment.isSelected ? Font.DemiBold : Font.Normal
                            color: Theme.primaryText
                            Accessible.ignored: true
                        }
                    }
                }
            }
        }
    }
}
