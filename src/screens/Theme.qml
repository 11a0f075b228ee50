// SPDX-License-Identifier: MIT
pragma Singleton
import QtQuick

// The named colours, text colours and type sizes every screen draws with, so the screens agree.
QtObject {
    readonly property color blue: "#007aff"
    readonly property color indigo: "#5856d6"
    readonly property color green: "#34c759"
    readonly property color purple: "#af52de"
    readonly property color orange: "#ff9500"
    readonly property color teal: "#30b0c7"
    readonly property color pink: "#ff2d55"
    readonly property color yellow: "#ffcc00"
    readonly property color red: "#ff3b30"
    readonly property color grey: "#8e8e93"

    readonly property color primaryText: "#1d1d1f"
    readonly property color secondaryText: Qt.rgba(0.24, 0.24, 0.26, 0.72)
    readonly property color tertiaryText: Qt.rgba(0.24, 0.24, 0.26, 0.45)
    readonly property color quaternaryText: Qt.rgba(0.24, 0.24, 0.26, 0.22)

    readonly property color windowBackground: "#f5f5f7"
    readonly property color sidebarBackground: "#ebebef"
    readonly property color barMaterial: Qt.rgba(0.97, 0.97, 0.98, 0.92)
    readonly property color thinMaterial: Qt.rgba(1, 1, 1, 0.78)
    readonly property color selection: Qt.rgba(0, 0.478, 1, 0.16)

    readonly property int largeTitle: 28
    readonly property int title: 24
    readonly property int title2: 20
    readonly property int title3: 17
    readonly property int headline: 15
    readonly property int body: 14
    readonly property int subheadline: 13
    readonly property int caption: 12
    readonly property int caption2: 11

    // A colour at the given opacity, for the tinted tiles and backgrounds.
    function tinted(base, alpha) {
        return Qt.rgba(base.r, base.g, base.b, alpha)
    }
}
