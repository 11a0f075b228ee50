// SPDX-License-Identifier: MIT
import QtQuick
import Berthwise

// A grid with as many equal columns as fit at their minimum width; children take `columnWidth`.
Grid {
    id: grid

    property real minimumColumnWidth: 220
    readonly property real columnWidth: (width - (columns - 1) * columnSpacing) / columns

    columns: Math.max(1, Math.floor((width + columnSpacing) / (minimumColumnWidth + columnSpacing)))
    columnSpacing: Theme.spacing.large
    rowSpacing: Theme.spacing.large
}
