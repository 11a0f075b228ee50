// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Templates as T
import Berthwise

// The scaffold of a screen whose body is a list that grows with use: the page scrolls as one list,
// headed by the screen's title and what the screen puts above the rows, and ending with what it
// puts below them. Only the rows in or near view exist, and they are reused as the page scrolls, so
// ten thousand rows open as fast as ten.
ListView {
    id: page

    // The screen's name, which its scroll bar carries for screen readers.
    property string navigationTitle: title
    property string title
    property string subtitle
    property real padding: Theme.spacing.page
    // Between the header, what stands above the rows, the rows and what stands below them.
    property real sectionSpacing: Theme.spacing.page
    // Between what stands above the rows and the first row.
    property real rowsGap: sectionSpacing
    property list<Item> headerTrailing
    property list<Item> above
    property list<Item> below
    // What the last row leaves below itself, which the stretch below the rows counts in its gap.
    readonly property real lastRowGap: 0
    readonly property real rowWidth: width - leftMargin - rightMargin

    signal appeared

    topMargin: padding
    bottomMargin: padding
    leftMargin: padding
    rightMargin: padding
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    flickableDirection: Flickable.VerticalFlick
    reuseItems: true
    // The arrow keys belong to the rows' controls; the rows have no highlight to move.
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
