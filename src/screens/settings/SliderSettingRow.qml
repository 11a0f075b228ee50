// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Templates as T
import QtQuick.Layouts
import Berthwise

// A numeric setting: its icon, title, explanation and current value above a slider.
RowSurface {
    id: row

    property string title
    property string subtitle
    property string icon
    // Bind this to the setting; the row reports every move through `valueEdited` and leaves the
    // storing to its owner, so the binding survives the drag.
    property real value
    property real from: 0
    property real to: 100
    property real step: 1
    property string unit

    // While the value moves, so that everything bound to it follows the drag.
    signal valueEdited(real value)
    // Once, when the user lets go: this is when the setting is applied.
    signal commit

    // Screen readers step the slider without pressing it, so each step is a whole edit.
    function stepBy(direction) {
        const before = slider.value;
        if (direction > 0)
            slider.increase();
        else
            slider.decrease();
        if (slider.value === before)
            return;
        row.valueEdited(slider.value);
        row.commit();
    }

    spacing: Theme.spacing.snug
    // Held still: a row that grew under the pointer would move the slider's track under the drag.
    hoverScale: 1

    RowLayout {
        Layout.fillWidth: true
        spacing: Theme.spacing.regular

        SymbolIcon {
            Layout.preferredWidth: 28
            name: row.icon
            size: Theme.iconSize.row
            color: Theme.accent
        }

        TitleBlock {
            Layout.fillWidth: true
            title: row.title
            subtitle: row.subtitle
        }

        StaticText {
            objectName: "valueLabel"
            text: Math.trunc(row.value) + row.unit
            font: Theme.font.monospacedBody
        }
    }

    T.Slider {
        id: slider

        // The names the accessibility bridge reads the range from; the control's own are
        // `from` and `to`.
        readonly property real minimumValue: from
        readonly property real maximumValue: to

        objectName: "slider"
        Layout.fillWidth: true
        implicitHeight: 22
        from: row.from
        to: row.to
        stepSize: row.step
        snapMode: T.Slider.SnapAlways
        value: row.value
        onMoved: row.valueEdited(value)
        onPressedChanged: {
            if (!pressed)
                row.commit();
        }
        Accessible.name: row.title
        Accessible.description: row.subtitle
        Accessible.onIncreaseAction: row.stepBy(1)
        Accessible.onDecreaseAction: row.stepBy(-1)

        background: Rectangle {
            x: slider.leftPadding
            y: slider.topPadding + (slider.availableHeight - height) / 2
            width: slider.availableWidth
            height: 4
            radius: height / 2
            color: Theme.tinted(Theme.primaryText, 0.12)

            Rectangle {
                width: slider.visualPosition * parent.width
                height: parent.height
                radius: height / 2
                color: Theme.accent
            }
        }

        handle: Rectangle {
            x: slider.leftPadding + slider.visualPosition * (slider.availableWidth - width)
            y: slider.topPadding + (slider.availableHeight - height) / 2
            width: 20
            height: 20
            radius: width / 2
            color: slider.pressed ? Qt.darker(Theme.controlFace, 1.06) : Theme.controlFace
            border.width: slider.visualFocus ? 2 : 1
            border.color: slider.visualFocus ? Theme.accent : Theme.tinted(Theme.shadow, 0.2)
        }
    }
}
