// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import Berthwise

// One wheel of the time picker, turning round through its labels. The arrow keys and a screen
// reader's Increase and Decrease step it by one, as a stepper does: up is the next value. The mouse
// wheel and the trackpad turn it as they scroll a list: down is the next value.
// The wheel itself sits inside, since the control would put its own accessible role over ours.
Item {
    id: wheel

    property string label
    property var labels: []
    property alias currentIndex: tumbler.currentIndex
    property alias wrap: tumbler.wrap
    // For the accessibility bridge, which reads a spin box's range from these names.
    readonly property int value: currentIndex
    readonly property int minimumValue: 0
    readonly property int maximumValue: Math.max(0, labels.length - 1)

    // Only the user turns the wheel this way: not a new set of labels, nor the owner showing a time.
    signal moved

    function step(delta) {
        const count = labels.length;
        if (count === 0)
            return;
        currentIndex = wrap ? ((currentIndex + delta) % count + count) % count
                            : Math.max(0, Math.min(count - 1, currentIndex + delta));
        moved();
    }

    implicitWidth: 52
    implicitHeight: 108
    activeFocusOnTab: true
    Accessible.role: Accessible.SpinBox
    Accessible.name: label
    Accessible.description: labels[currentIndex] ?? ""
    Accessible.focusable: true
    Accessible.onIncreaseAction: wheel.step(1)
    Accessible.onDecreaseAction: wheel.step(-1)
    Keys.onUpPressed: wheel.step(1)
    Keys.onDownPressed: wheel.step(-1)

    Rectangle {
        anchors.fill: parent
        radius: Theme.radius.control
        color: wheel.activeFocus ? Theme.tinted(Theme.accent, 0.08) : "transparent"
        border.width: wheel.activeFocus ? 2 : 0
        border.color: Theme.tinted(Theme.accent, 0.6)
    }

    Tumbler {
        id: tumbler

        anchors.fill: parent
        model: wheel.labels
        visibleItemCount: 3
        focusPolicy: Qt.NoFocus
        // The wheel around it is the one tab stop; a tumbler would add its own.
        activeFocusOnTab: false
        Accessible.ignored: true
        onMovingChanged: {
            if (!moving)
                wheel.moved();
        }

        delegate: Text {
            required property var modelData
            required property int index

            text: modelData
            font: Theme.font.title3
            color: index === tumbler.currentIndex ? Theme.primaryText : Theme.tertiaryText
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            opacity: 1 - Math.abs(Tumbler.displacement) / (tumbler.visibleItemCount / 2)
            Accessible.ignored: true
        }
    }

    // A notch is a step; a trackpad's pixels add up to a step for each row's height. Taken here, the
    // turn does not also scroll the sheet around the wheel.
    MouseArea {
        property real travel: 0

        anchors.fill: parent
        acceptedButtons: Qt.NoButton
        onWheel: event => {
            travel += event.pixelDelta.y !== 0 ? event.pixelDelta.y / (tumbler.height / tumbler.visibleItemCount)
                                               : event.angleDelta.y / 120;
            const steps = Math.trunc(travel);
            travel -= steps;
            if (steps !== 0)
                wheel.step(-steps);
        }
    }
}
