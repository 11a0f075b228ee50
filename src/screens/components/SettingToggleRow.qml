// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Templates as T
import QtQuick.Layouts
import Berthwise

// A setting that is either on or off: its icon, title and explanation, and a switch.
Rectangle {
    id: row

    property string title
    property string subtitle
    property string icon
    // Bind this to the setting. The row never assigns it, so the binding survives every click;
    // the owner stores the new value in its `onChange` handler.
    property bool isOn
    readonly property bool isHovered: hover.hovered

    signal change(bool isOn)

    // Pointer, keyboard and screen reader all end here, so each of them runs the operation once.
    function setOn(value) {
        row.change(value);
        // The switch flips itself before `toggled`; whatever the owner did, show the setting.
        toggle.checked = row.isOn;
    }

    // Kept in step by hand: the switch's own flip would leave a declarative binding stale.
    onIsOnChanged: toggle.checked = isOn

    implicitHeight: content.implicitHeight + 28
    radius: 12
    color: Theme.thinMaterial
    border.width: 1
    border.color: Theme.tinted(Theme.primaryText, 0.08)
    scale: isHovered ? 1.008 : 1

    Behavior on scale {
        SpringAnimation {
            spring: 6
            damping: 0.6
            epsilon: 0.0001
        }
    }

    HoverHandler {
        id: hover
    }

    RowLayout {
        id: content

        anchors.fill: parent
        anchors.margins: 14
        spacing: 12

        SymbolIcon {
            objectName: "rowIcon"
            Layout.preferredWidth: 28
            name: row.icon
            size: 20
            color: row.isOn ? Theme.blue : Theme.secondaryText

            Behavior on color {
                ColorAnimation {
                    duration: 200
                    easing.type: Easing.InOutQuad
                }
            }
        }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 2

            Text {
                Layout.fillWidth: true
                text: row.title
                font.pixelSize: Theme.headline
                font.weight: Font.DemiBold
                color: Theme.primaryText
                elide: Text.ElideRight
                Accessible.role: Accessible.StaticText
                Accessible.name: text
            }

            Text {
                Layout.fillWidth: true
                text: row.subtitle
                font.pixelSize: Theme.subheadline
                color: Theme.secondaryText
                wrapMode: Text.WordWrap
                Accessible.role: Accessible.StaticText
                Accessible.name: text
            }
        }

        T.Switch {
            id: toggle

            objectName: "toggle"
            implicitWidth: 40
            implicitHeight: 24
            checked: row.isOn
            onToggled: row.setOn(checked)
            Accessible.name: row.title
            Accessible.description: row.subtitle
            Accessible.onToggleAction: row.setOn(!row.isOn)
            Accessible.onPressAction: row.setOn(!row.isOn)

            indicator: Rectangle {
                anchors.fill: parent
                radius: height / 2
                color: toggle.checked ? Theme.blue : Theme.tinted(Theme.primaryText, 0.15)
                border.width: toggle.visualFocus ? 2 : 0
                border.color: Qt.lighter(Theme.blue, 1.4)

                Behavior on color {
                    ColorAnimation {
                        duration: 150
                    }
                }

                Rectangle {
                    x: toggle.checked ? parent.width - width - 2 : 2
                    anchors.verticalCenter: parent.verticalCenter
                    width: parent.height - 4
                    height: width
                    radius: width / 2
                    color: "white"
                    border.width: 1
                    border.color: Qt.rgba(0, 0, 0, 0.08)

                    Behavior on x {
                        NumberAnimation {
                            duration: 150
                            easing.type: Easing.InOutQuad
                        }
                    }
                }
            }
        }
    }
}
