// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound
import QtQuick
import Berthwise

// A line of text whose digits each take the width of the widest digit, as tabular figures do, so
// that times in a list keep their width whatever the digits; fonts draw proportional figures by
// default, and this Qt cannot ask a font for its tabular ones.
Row {
    id: line

    property string text
    property font font: Theme.font.body
    property color color: Theme.primaryText
    readonly property real digitWidth: Math.max(...Array.from("0123456789", digit => metrics.advanceWidth(digit)))

    Accessible.role: Accessible.StaticText
    Accessible.name: text

    FontMetrics {
        id: metrics

        font: line.font
    }

    Repeater {
        model: Array.from(line.text)

        Text {
            required property string modelData

            width: /[0-9]/.test(modelData) ? line.digitWidth : implicitWidth
            horizontalAlignment: Text.AlignHCenter
            text: modelData
            font: line.font
            color: line.color
            Accessible.ignored: true
        }
    }
}
