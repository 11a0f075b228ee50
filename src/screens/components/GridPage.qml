// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Templates as T
import Berthwise

// The scaffold of a screen whose body is a grid of cards that grows with use: as many equal columns
// as fit at their minimum width, scrolling as one page with the screen's header above the cards and
// what the screen puts below them. Only the cards in or near view exist, and they are reused as the
// page scrolls. Every card takes the cell's size less the spacing, so the screen sets `cellHeight`
// to its tallest card's height plus the spacing.
GridView {
    id: page

    property string navigationTitle: title
    property string title
    property string subtitle
    property real padding: Theme.spacing.page
    property real sectionSpacing: Theme.spacing.page
    property real minimumColumnWidth: 220
    property real spacing: Theme.spacing.large
    // Between what stands above the rows and the first row.
    property real rowsGap: sectionSpacing
    property list<Item> headerTrailing
    property list<Item> above
    property list<Item> below
    // Each cell carries the gap below its card, which the stretch below the cards counts in its own.
    readonly property real lastRowGap: spacing
    // The width the header, the cards and the footer share.
    readonly property real rowWidth: width - 2 * padding
    readonly property int columns: Math.max(1, Math.floor((rowWidth + spacing) / (minimumColumnWidth + spacing)))
    readonly property real cardWidth: cellWidth - spacing
    readonly property real cardHeight: cellHeight - spacing

    signal appeared

    topMargin: padding
    bottomMargin: count > 0 ? padding - spacing : padding
    leftMargin: padding
    // Each cell carries the gap after its card, the last column's into the margin.
    rightMargin: padding - spacing
    cellWidth: (rowWidth + spacing) / columns
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    flickableDirection: Flickable.VerticalFlick
    reuseItems: true
    keyNavigationEnabled: false
    // No row is current: a current row would take the keyboard focus as it appears, from a header
    // button that had it.
    currentIndex: -1
    T.ScrollBar.vertical: PageScrollBar {
        objectName: "pageScrollBar"
        Accessible.name: page.navigationTitle
    }

    header: PageSection {
        heads: true
    }

    footer: PageSection {}

    RecordViewUpkeep {
        view: page
        onAppeared: page.appeared()
    }
}
