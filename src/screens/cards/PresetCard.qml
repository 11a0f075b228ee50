// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Berthwise

// One built-in preset: what it sets, as badges in its accent colour, and the button that applies it.
// To a screen reader the whole card is that one button, named by the preset.
PressableCard {
    id: card

    required property string presetId
    required property string name
    required property string description
    required property string icon
    // The theme colour's name.
    required property string accent
    required property list<string> badges

    readonly property color tint: Theme[accent]

    // A stray click on the card's text must not change the Dock; only the button applies.
    pointerActivates: false
    hoverScale: Theme.hoverScale.card
    hoverShadowRadius: 10
    hoverShadowStrength: 0.1
    spacing: Theme.spacing.regular
    Accessible.name: name
    Accessible.description: description

    RowLayout {
        Layout.fillWidth: true
        Layout.margins: Theme.spacing.card
        Layout.bottomMargin: 0
        spacing: Theme.spacing.regular

        IconTile {
            objectName: "presetIconTile"
            Layout.alignment: Qt.AlignTop
            icon: card.icon
            tint: card.tint
        }

        TitleBlock {
            Layout.fillWidth: true
            Layout.alignment: Qt.AlignTop
            title: card.name
            subtitle: card.description
            announced: false
        }
    }

    Divider {
        Layout.fillWidth: true
        Layout.leftMargin: Theme.spacing.card
        Layout.rightMargin: Theme.spacing.card
        Layout.topMargin: Theme.spacing.tight
        Layout.bottomMargin: Theme.spacing.tight
    }

    BadgeRow {
        objectName: "presetBadges"
        Layout.fillWidth: true
        // Cards share their row's height, so the buttons line up along its bottom.
        Layout.fillHeight: true
        Layout.leftMargin: Theme.spacing.card
        Layout.rightMargin: Theme.spacing.card
        labels: card.badges
        tint: card.tint
    }

    PrimaryButton {
        objectName: "applyPresetButton"
        Layout.fillWidth: true
        Layout.margins: Theme.spacing.comfortable
        Layout.topMargin: Theme.spacing.small
        tint: card.tint
        icon: "checkmark.circle.fill"
        text: qsTr("Apply Preset")
        verticalPadding: 12
        // The card is the one button keyboards and screen readers reach.
        activeFocusOnTab: false
        Accessible.ignored: true
        onActivated: card.activate()
    }
}
