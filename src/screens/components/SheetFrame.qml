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
    property real sheetWidth: Theme.sheet.width
    // Between the header and the body; an alert's message stays close to its title.
    property real headerGap: Theme.spacing.loose
    // A sheet with an icon or a close button parts its header and footer from the body by dividers.
    readonly property bool divided: showsCloseButton || icon !== ""
    // How far the header and the footer stand in from the sheet's edges, and the body between them.
    readonly property real regionPadding: divided ? Theme.sheet.regionPadding : Theme.sheet.padding
    readonly property real bodyPadding: divided ? Theme.sheet.bodyPadding : Theme.sheet.padding
    readonly property real bodyTopPadding: divided ? bodyPadding : headerGap
    readonly property real bodyBottomPadding: divided ? bodyPadding : Theme.spacing.loose
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
            objectName: "sheetHeader"
            Layout.fillWidth: true
            Layout.margins: sheet.regionPadding
            // Without a divider below, the gap to the body is the body's to keep.
            Layout.bottomMargin: sheet.divided ? sheet.regionPadding : 0
            spacing: Theme.spacing.regular

            IconTile {
                visible: sheet.icon !== ""
                size: Theme.tileSize.sheet
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
            visible: sheet.divided
        }
    }

    contentItem: scroller

    // Built here rather than in place, since the body's column must exist before the sheet's
    // contents are handed to it.
    readonly property Flickable scroller: Flickable {
        implicitHeight: bodyColumn.implicitHeight + sheet.bodyTopPadding + sheet.bodyBottomPadding
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

            objectName: "sheetBody"
            x: sheet.bodyPadding
            y: sheet.bodyTopPadding
            width: parent.width - 2 * sheet.bodyPadding
            spacing: Theme.spacing.loose
        }
    }

    footer: ColumnLayout {
        spacing: 0

        Divider {
            Layout.fillWidth: true
            visible: sheet.divided
        }

        RowLayout {
            objectName: "sheetFooter"
            Layout.fillWidth: true
            Layout.margins: sheet.regionPadding
            Layout.topMargin: sheet.divided ? sheet.regionPadding : 0
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
