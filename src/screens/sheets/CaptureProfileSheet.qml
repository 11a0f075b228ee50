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
        { symbol: "square.stack.3d.up.fill", label: "Stack" },
        { symbol: "terminal.fill", label: "Terminal" },
        { symbol: "paintbrush.fill", label: "Paintbrush" },
        { symbol: "display", label: "Display" },
        { symbol: "briefcase.fill", label: "Briefcase" },
        { symbol: "airplane", label: "Airplane" },
        { symbol: "gamecontroller.fill", label: "Game controller" },
        { symbol: "music.note", label: "Music note" },
        { symbol: "moon.fill", label: "Moon" },
        { symbol: "bolt.fill", label: "Bolt" },
        { symbol: "sparkles", label: "Sparkles" },
        { symbol: "star.fill", label: "Star" }
    ]
    property string selectedIcon: icons[0].symbol

    // An empty name is passed on as it is: the view model names the profile then.
    signal capture(string name, string icon)

    title: "New Profile"
    caption: "Capture your current Dock settings as a reusable profile."
    defaultText: "Capture"

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
            text: "Name"
            font: Theme.font.subheadlineEmphasis
        }

        TextInputField {
            id: nameField

            objectName: "profileNameField"
            Layout.fillWidth: true
            label: "Name"
            placeholderText: "e.g. Coding Mode"
        }
    }

    ColumnLayout {
        Layout.fillWidth: true
        spacing: Theme.spacing.small

        StaticText {
            text: "Icon"
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
            Accessible.name: "Icon"

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
