// SPDX-License-Identifier: MIT
pragma ComponentBehavior: Bound
import QtQuick
import Berthwise

// A card's badges, one capsule per label, wrapping onto further lines as the card narrows.
Flow {
    id: row

    property list<string> labels
    property color tint: Theme.accent

    spacing: Theme.spacing.compact

    Repeater {
        model: row.labels

        Badge {
            required property string modelData

            label: modelData
            tint: row.tint
        }
    }
}
