// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Templates as T
import Berthwise

// A screen's scroll bar: a thin rounded thumb that shows while the page moves and fades soon after,
// as overlay scroll bars do. Built on the templates alone, so that the first screen starts without
// loading a style.
T.ScrollBar {
    id: control

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)

    padding: 2
    // A screen reader scrolls the page a tenth at a time, which brings rows out of view into being.
    Accessible.onIncreaseAction: increase()
    Accessible.onDecreaseAction: decrease()
    visible: policy !== T.ScrollBar.AlwaysOff
    minimumSize: orientation === Qt.Horizontal ? height / width : width / height

    contentItem: Rectangle {
        implicitWidth: control.interactive ? 6 : 2
        implicitHeight: control.interactive ? 6 : 2
        radius: width / 2
        color: control.pressed ? Theme.secondaryText : Theme.tertiaryText
        opacity: 0

        states: State {
            name: "active"
            when: control.policy === T.ScrollBar.AlwaysOn || (control.active && control.size < 1)

            PropertyChanges {
                control.contentItem.opacity: 1
            }
        }

        transitions: Transition {
            from: "active"

            SequentialAnimation {
                PauseAnimation {
                    duration: 450
                }

                NumberAnimation {
                    target: control.contentItem
                    property: "opacity"
                    duration: Theme.motion.standard
                    to: 0
                }
            }
        }
    }
}
