// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Controls
import QtQuick.Templates as T
import QtQuick.Layouts
import Berthwise

// A modal sheet over the window: a header with an optional icon tile, title, caption and close
// button; a scrolling body; a footer with Cancel and one default button. Return presses the default
// button, unless that button destroys something, and Escape cancels; `accepted` and `rejected` say
// which way it closed. While it is open nothing beneath it reacts to the pointer.
T.Dialog {
    id: sheet

    property string icon
    property color iconColor: Theme.accent
    property string caption
    property bool showsCloseButton: false
    // Empty leaves the footer with the default button alone.
    property string cancelText: qsTr("Cancel")
    property string defaultText: qsTr("OK")
    property bool defaultEnabled: true
    property bool destructive: false
    property real sheetWidth: 420
    property real bodyPadding: Theme.spacing.xlarge
    property alias defaultButton: defaultButton
    property alias cancelButton: cancelButton

    default property alias body: bodyColumn.data

    // Closing by Escape goes through here too, as a rejection.
    function acceptIfEnabled() {
        if (sheet.defaultEnabled)
            sheet.accept();
    }

    parent: Overlay.overlay
    anchors.centerIn: parent
    // The templates leave a dialog's size to the style; this one is as tall as its three parts.
    implicitWidth: sheetWidth
    implicitHeight: implicitHeaderHeight + scroller.implicitHeight + implicitFooterHeight + topPadding
                    + bottomPadding
    width: Math.min(sheetWidth, parent ? parent.width - 2 * Theme.spacing.spacious : sheetWidth)
    height: Math.min(implicitHeight, parent ? parent.height - 2 * Theme.spacing.spacious : implicitHeight)
    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape
    padding: 0

    // Return is the safe answer: a destructive action is taken only by its own button, never by a
    // reflex, and there Return dismisses the sheet as Cancel does.
    Shortcut {
        sequences: ["Return", "Enter"]
        enabled: sheet.opened && sheet.activeFocus
        onActivated: sheet.destructive ? sheet.reject() : sheet.acceptIfEnabled()
    }

    T.Overlay.modal: ModalBackdrop {}
    readonly property FocusReturn focusReturn: FocusReturn {
        popup: sheet
    }

    background: Rectangle {
        radius: Theme.radius.row
        color: Theme.sheetBackground
        border.width: 1
        border.color: Theme.faintOutline
    }

    header: ColumnLayout {
        spacing: 0

        RowLayout {
            Layout.fillWidth: true
            Layout.margins: Theme.spacing.loose
            spacing: Theme.spacing.regular

            IconTile {
                visible: sheet.icon !== ""
                size: 40
                icon: sheet.icon
                tint: sheet.iconColor
                symbolSize: Theme.iconSize.row
            }

            TitleBlock {
                Layout.fillWidth: true
                title: sheet.title
                subtitle: sheet.caption
                titleFont: Theme.font.title3
                subtitleFont: Theme.font.caption
                Accessible.role: Accessible.Heading
            }

            IconButton {
                objectName: "sheetClose"
                visible: sheet.showsCloseButton
                Layout.alignment: Qt.AlignTop
                icon: "xmark.circle.fill"
                label: qsTr("Close")
                color: Theme.secondaryText
                onActivated: sheet.reject()
            }
        }

        Divider {
            Layout.fillWidth: true
            visible: sheet.showsCloseButton || sheet.icon !== ""
        }
    }

    contentItem: scroller

    // Built here rather than in place, since the body's column must exist before the sheet's
    // contents are handed to it.
    readonly property Flickable scroller: Flickable {
        implicitHeight: bodyColumn.implicitHeight + 2 * sheet.bodyPadding
        contentWidth: width
        contentHeight: implicitHeight
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {
            Accessible.name: sheet.title
        }

        // A body taller than the window scrolls, and the keyboard focus must not move out of sight.
        KeepInView {
            flickable: sheet.scroller
        }

        ColumnLayout {
            id: bodyColumn

            x: sheet.bodyPadding
            y: sheet.bodyPadding
            width: parent.width - 2 * sheet.bodyPadding
            spacing: Theme.spacing.loose
        }
    }

    footer: ColumnLayout {
        spacing: 0

        Divider {
            Layout.fillWidth: true
            visible: sheet.showsCloseButton || sheet.icon !== ""
        }

        RowLayout {
            Layout.fillWidth: true
            Layout.margins: Theme.spacing.loose
            spacing: Theme.spacing.regular

            Item {
                Layout.fillWidth: true
            }

            BorderedButton {
                id: cancelButton

                objectName: "sheetCancel"
                visible: sheet.cancelText !== ""
                text: sheet.cancelText
                onActivated: sheet.reject()
            }

            PrimaryButton {
                id: defaultButton

                objectName: "sheetDefault"
                text: sheet.defaultText
                destructive: sheet.destructive
                enabled: sheet.defaultEnabled
                onActivated: sheet.accept()
            }
        }
    }
}
