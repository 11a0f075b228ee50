// SPDX-License-Identifier: MIT
import QtQuick
import QtQuick.Templates as T
import QtQuick.Layouts
import Berthwise

// The scaffold of every section screen: one vertically scrolling column, at most
// `maximumContentWidth` wide and centred, headed by the screen's title and subtitle.
Flickable {
    id: page

    // The screen's name, which its scroll bar carries for screen readers.
    property string navigationTitle: title
    property string title
    property string subtitle
    property bool showsHeader: true
    property real maximumContentWidth: Infinity
    property real padding: Theme.spacing.page
    property alias spacing: column.spacing
    // Extra room under the header, where the page's own spacing is tight.
    property real headerGap: 0
    property alias header: header
    property alias headerDetails: header.details
    property alias headerTrailing: header.trailing

    default property alias content: column.data

    signal appeared

    ScreenAppearance {
        onAppeared: page.appeared()
    }

    KeepInView {
        flickable: page
    }

    contentWidth: width
    contentHeight: column.implicitHeight + 2 * padding
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    T.ScrollBar.vertical: PageScrollBar {
        objectName: "pageScrollBar"
        Accessible.name: page.navigationTitle
    }

    ColumnLayout {
        id: column

        width: Math.min(page.maximumContentWidth, page.width - 2 * page.padding)
        x: (page.width - width) / 2
        y: page.padding
        spacing: Theme.spacing.page

        ScreenHeader {
            id: header

            visible: page.showsHeader
            Layout.fillWidth: true
            Layout.bottomMargin: page.headerGap
            title: page.title
            subtitle: page.subtitle
        }
    }
}
