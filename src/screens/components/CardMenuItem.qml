// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Templates as T
import QtQuick.Layouts
import Berthwise

// An entry of a card's menu: a symbol and its text, in red where the action destroys something.
// A screen reader's Press triggers it as a click does, which the menu item does not by itself.
T.MenuItem {
    id: item

    property string symbol
    property bool destructive: false
    readonly property color ink: destructive ? Theme.destructive : Theme.primaryText

    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    padding: Theme.spacing.compact
    leftPadding: Theme.spacing.snug
    rightPadding: Theme.spacing.snug
    Accessible.role: Accessible.MenuItem
    Accessible.name: text
    Accessible.onPressAction: {
        if (item.enabled)
            item.clicked();
    }

    contentItem: RowLayout {
        spacing: Theme.spacing.small

        SymbolIcon {
            Layout.preferredWidth: Theme.iconSize.body
            name: item.symbol
            size: Theme.iconSize.body
            color: item.ink
        }

        Text {
            Layout.fillWidth: true
            text: item.text
            font: Theme.font.body
            color: item.ink
            Accessible.ignored: true
        }
    }

    background: Rectangle {
        radius: Theme.radius.small
        color: item.highlighted || item.hovered ? Theme.selection : "transparent"
    }
}
