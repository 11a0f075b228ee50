// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Berthwise

// Asks for a new profile's name and icon before the current Dock is captured into it.
SheetFrame {
    id: sheet

    // The symbols offered, in order, each with the name a screen reader gives it.
    readonly property var icons: [
        { symbol: "square.stack.3d.up.fill", label: qsTr("Stack") },
        { symbol: "terminal.fill", label: qsTr("Terminal") },
        { symbol: "paintbrush.fill", label: qsTr("Paintbrush") },
        { symbol: "display", label: qsTr("Display") },
        { symbol: "briefcase.fill", label: qsTr("Briefcase") },
        { symbol: "airplane", label: qsTr("Airplane") },
        { symbol: "gamecontroller.fill", label: qsTr("Game controller") },
        { symbol: "music.note", label: qsTr("Music note") },
        { symbol: "moon.fill", label: qsTr("Moon") },
        { symbol: "bolt.fill", label: qsTr("Bolt") },
        { symbol: "sparkles", label: qsTr("Sparkles") },
        { symbol: "star.fill", label: qsTr("Star") }
    ]
    property string selectedIcon: icons[0].symbol

    // An empty name is passed on as it is: the view model names the profile then.
    signal capture(string name, string icon)

    title: qsTr("New Profile")
    caption: qsTr("Capture your current Dock settings as a reusable profile.")
    defaultText: qsTr("Capture")

    // Each capture starts from a blank sheet, whatever the last one left in it.
    onAboutToShow: {
        nameField.text = "";
        selectedIcon = icons[0].symbol;
    }
    onOpened: nameField.forceActiveFocus()
    onAccepted: capture(nameField.text, selectedIcon)

    ColumnLayout {
        Layout.fillWidth: true
        spacing: Theme.spacing.small

        StaticText {
            text: qsTr("Name")
            font: Theme.font.subheadlineEmphasis
        }

        TextInputField {
            id: nameField

            objectName: "profileNameField"
            Layout.fillWidth: true
            label: qsTr("Name")
            placeholderText: qsTr("e.g. Coding Mode")
        }
    }

    ColumnLayout {
        Layout.fillWidth: true
        spacing: Theme.spacing.small

        StaticText {
            text: qsTr("Icon")
            font: Theme.font.subheadlineEmphasis
        }

        ChoiceGroup {
            id: iconChoice

            currentValue: sheet.selectedIcon
            onActivated: value => sheet.selectedIcon = value
        }

        AdaptiveGrid {
            id: iconGrid

            objectName: "iconGrid"
            Layout.fillWidth: true
            minimumColumnWidth: 48
            columnSpacing: Theme.spacing.snug
            rowSpacing: Theme.spacing.snug
            Accessible.role: Accessible.Grouping
            Accessible.name: qsTr("Icon")

            Repeater {
                model: sheet.icons

                // Each cell spans its column, with the button centred in it.
                Item {
                    id: cell

                    required property var modelData

                    width: iconGrid.columnWidth
                    height: choice.height

                    ChoiceButton {
                        id: choice

                        objectName: "icon_" + cell.modelData.symbol
                        anchors.horizontalCenter: parent.horizontalCenter
                        width: Theme.tileSize.card
                        height: Theme.tileSize.card
                        group: iconChoice
                        value: cell.modelData.symbol
                        Accessible.name: cell.modelData.label

                        Rectangle {
                            anchors.fill: parent
                            radius: Theme.radius.control
                            color: choice.isSelected ? Theme.tinted(Theme.accent, 0.15)
                                                     : choice.isHovered ? Theme.hoverFill : "transparent"
                        }

                        SymbolIcon {
                            anchors.centerIn: parent
                            name: cell.modelData.symbol
                            size: Theme.iconSize.row
                            color: choice.isSelected ? Theme.accent : Theme.secondaryText
                        }
                    }
                }
            }
        }
    }
}
