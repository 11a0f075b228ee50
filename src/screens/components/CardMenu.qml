// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Templates as T
import Berthwise

// The "more" symbol of a card, opening a menu of `CardMenuItem`s below it.
IconButton {
    id: button

    default property alias items: menu.contentData

    icon: "ellipsis.circle"
    label: qsTr("More")
    symbolSize: Theme.iconSize.title3
    Accessible.role: Accessible.ButtonMenu
    onActivated: menu.open()

    T.Menu {
        id: menu

        objectName: "cardMenu"
        // A press outside closes the menu and goes no further, and nothing beneath reacts to the
        // pointer while it is open.
        modal: true
        T.Overlay.modal: ModalBackdrop {
            dims: false
        }
        readonly property FocusReturn focusReturn: FocusReturn {
            popup: menu
        }
        y: button.height
        // Kept inside the window, where a card at the trailing edge would push it out.
        margins: Theme.spacing.small
        padding: Theme.spacing.tight
        implicitWidth: 180
        implicitHeight: contentItem.implicitHeight + topPadding + bottomPadding

        contentItem: ListView {
            implicitHeight: contentHeight
            model: menu.contentModel
            interactive: false
            currentIndex: menu.currentIndex
        }

        background: Rectangle {
            radius: Theme.radius.control
            color: Theme.sheetBackground
            border.width: 1
            border.color: Theme.faintOutline
        }
    }
}
