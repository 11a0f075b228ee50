// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound
import QtQuick
import Berthwise

// A small spinner of spokes in a text colour, turning while `running` and fading in and out as it
// starts and stops.
Item {
    id: spinner

    property bool running: false
    property color color: Theme.secondaryText

    implicitWidth: Theme.iconSize.body
    implicitHeight: Theme.iconSize.body
    opacity: running ? 1 : 0
    visible: opacity > 0
    Accessible.role: Accessible.Animation
    Accessible.name: qsTr("Working")

    Behavior on opacity {
        NumberAnimation {
            duration: Theme.motion.standard
            easing.type: Easing.InOutQuad
        }
    }

    Item {
        id: wheel

        anchors.fill: parent

        // The spokes exist only while the spinner shows: most of the time nothing runs, and the
        // window's first frame need not wait for two hidden wheels.
        Repeater {
            model: spinner.visible ? 8 : 0

            Rectangle {
                id: spoke

                required property int index

                // Thick enough to stay visible at the smallest size the spinner is drawn at.
                width: Math.max(2, spinner.width / 8)
                height: spinner.height * 0.3
                radius: width / 2
                antialiasing: true
                x: (spinner.width - spoke.width) / 2
                color: spinner.color
                // The leading spoke is the strongest and the others trail off behind it, so the
                // turn reads as a direction even when only a few frames are drawn.
                opacity: 0.2 + 0.8 * spoke.index / 7
                transform: Rotation {
                    origin.x: spoke.width / 2
                    origin.y: spinner.height / 2
                    angle: spoke.index * 45
                }
            }
        }

        // Keeps turning while it fades out, so it does not freeze on the way out.
        RotationAnimator on rotation {
            from: 0
            to: 360
            duration: Theme.motion.spinnerTurn
            loops: Animation.Infinite
            running: spinner.visible
        }
    }
}
