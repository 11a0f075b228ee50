// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Berthwise

// What a list shows while it has nothing: a symbol, a heading, a line of explanation and, when
// given, the action that fills it; anything else placed inside goes below.
ColumnLayout {
    id: state

    property string icon
    property string heading
    property string text
    property string actionText
    property string actionIcon
    property real padding: 48

    default property alias extra: extraColumn.data

    signal actionTriggered

    spacing: Theme.spacing.small

    SymbolIcon {
        Layout.alignment: Qt.AlignHCenter
        Layout.topMargin: state.padding
        name: state.icon
        size: Theme.iconSize.empty
        color: Theme.tertiaryText
    }

    StaticText {
        Layout.alignment: Qt.AlignHCenter
        text: state.heading
        font: Theme.font.headline
        Accessible.role: Accessible.Heading
    }

    StaticText {
        Layout.alignment: Qt.AlignHCenter
        Layout.maximumWidth: 340
        text: state.text
        font: Theme.font.subheadline
        color: Theme.secondaryText
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
    }

    ColumnLayout {
        id: extraColumn

        Layout.alignment: Qt.AlignHCenter
        Layout.topMargin: Theme.spacing.tight
        Layout.bottomMargin: state.padding
        spacing: Theme.spacing.small

        PrimaryButton {
            objectName: "emptyStateAction"
            visible: state.actionText !== ""
            Layout.alignment: Qt.AlignHCenter
            text: state.actionText
            icon: state.actionIcon
            onActivated: state.actionTriggered()
        }
    }
}
