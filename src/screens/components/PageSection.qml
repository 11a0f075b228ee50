// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Layouts
import Berthwise

// A stretch of a list page above or below its rows: the screen's header where it heads the page,
// then the items the screen puts there, stacked with the page's section spacing, and the gap that
// parts it from the rows.
Item {
    id: section

    // The ListPage or GridPage it stands in, through the list's content item; none until the list
    // has placed it there.
    readonly property var page: parent ? parent.parent : null
    // True for the stretch above the rows, false for the one below.
    property bool heads: false
    readonly property bool hasRows: page ? page.count > 0 : false
    readonly property real spacing: page ? page.sectionSpacing : 0
    // The header's gap stays whether or not rows follow it; the footer's keeps clear of the rows
    // only where there are some.
    readonly property real gapAbove: !heads && hasRows ? spacing - page.lastRowGap : 0
    readonly property real gapBelow: heads && page ? page.rowsGap : 0

    width: page ? page.rowWidth : 0
    // A stretch with nothing in it takes no room, gaps included.
    implicitHeight: heads || (page && page.below.length > 0) ? gapAbove + column.implicitHeight + gapBelow : 0

    ColumnLayout {
        id: column

        y: section.gapAbove
        width: section.width
        spacing: section.spacing

        ScreenHeader {
            id: header

            visible: section.heads
            Layout.fillWidth: true
            title: section.page ? section.page.title : ""
            subtitle: section.page ? section.page.subtitle : ""
        }
    }

    // The screen made its items with itself, before this stretch existed; they are moved in here.
    Component.onCompleted: {
        if (heads) {
            for (const button of Array.from(page.headerTrailing))
                header.trailing.push(button);
        }
        for (const item of Array.from(heads ? page.above : page.below))
            item.parent = column;
    }

    // The list places its rows below this stretch before the items in it are laid out, and keeps
    // them where they are as it grows, which would leave the page's top above the view: until the
    // page is moved, it shows its top.
    property bool moved: false

    onHeightChanged: {
        if (heads && page && !moved)
            toTop.restart();
    }

    // Once the list has placed itself around the new height.
    Timer {
        id: toTop

        interval: 0
        onTriggered: section.page.contentY = section.page.originY - section.page.topMargin
    }

    Connections {
        target: section.page
        enabled: section.heads

        function onMovementStarted() {
            section.moved = true;
        }
    }
}
