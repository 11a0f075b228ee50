// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Berthwise

// A setting that is either on or off: its icon, title and explanation, and a switch.
RowSurface {
    id: row

    property string title
    property string subtitle
    property string icon
    // Bind this to the setting. The row never assigns it, so the binding survives every click;
    // the owner stores the new value in its `onChange` handler.
    property bool isOn

    signal change(bool isOn)

    RowLayout {
        Layout.fillWidth: true
        spacing: Theme.spacing.regular

        SymbolIcon {
            objectName: "rowIcon"
            Layout.preferredWidth: 28
            name: row.icon
            size: Theme.iconSize.row
            color: row.isOn ? Theme.accent : Theme.secondaryText

            Behavior on color {
                ColorAnimation {
                    duration: Theme.motion.standard
                    easing.type: Easing.InOutQuad
                }
            }
        }

        TitleBlock {
            Layout.fillWidth: true
            title: row.title
            subtitle: row.subtitle
        }

        ToggleSwitch {
            objectName: "toggle"
            checked: row.isOn
            Accessible.name: row.title
            Accessible.description: row.subtitle
            onToggled: value => row.change(value)
        }
    }
}
