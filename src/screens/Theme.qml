// SPDX-License-Identifier: MIT
pragma Singleton
import QtQuick
import Berthwise

// The tokens every screen draws with: colours in a light and a dark palette, radii, spacing,
// motion, icon sizes and text styles, so that no screen carries a literal of its own.
ThemeBase {
    id: theme

    // Qt has no colour-scheme query, so the appearance is read off the application palette's window
    // colour; the system palette follows the application's, so a switch while running is seen.
    readonly property SystemPalette system: SystemPalette {
        colorGroup: SystemPalette.Active
    }
    readonly property bool isDark: system.window.hslLightness < 0.5

    // Dark variants are the lighter ones of the same hue, so an accent still names the same colour.
    readonly property color blue: isDark ? "#0a84ff" : "#007aff"
    readonly property color indigo: isDark ? "#5e5ce6" : "#5856d6"
    readonly property color green: isDark ? "#30d158" : "#34c759"
    readonly property color purple: isDark ? "#bf5af2" : "#af52de"
    readonly property color orange: isDark ? "#ff9f0a" : "#ff9500"
    readonly property color teal: isDark ? "#40c8e0" : "#30b0c7"
    readonly property color pink: isDark ? "#ff375f" : "#ff2d55"
    readonly property color yellow: isDark ? "#ffd60a" : "#ffcc00"
    readonly property color red: isDark ? "#ff453a" : "#ff3b30"
    readonly property color grey: isDark ? "#98989d" : "#8e8e93"

    readonly property color accent: blue
    readonly property color destructive: red
    readonly property color warning: orange
    readonly property color shadow: "#000000"

    readonly property color primaryText: isDark ? "#f5f5f7" : "#1d1d1f"
    readonly property color secondaryText: isDark ? Qt.rgba(0.92, 0.92, 0.96, 0.65) : Qt.rgba(0.24, 0.24, 0.26, 0.72)
    readonly property color tertiaryText: isDark ? Qt.rgba(0.92, 0.92, 0.96, 0.42) : Qt.rgba(0.24, 0.24, 0.26, 0.45)
    readonly property color quaternaryText: isDark ? Qt.rgba(0.92, 0.92, 0.96, 0.2) : Qt.rgba(0.24, 0.24, 0.26, 0.22)

    readonly property color windowBackground: isDark ? "#1e1e20" : "#f5f5f7"
    readonly property color sidebarBackground: isDark ? "#28282b" : "#ebebef"
    readonly property color barMaterial: isDark ? Qt.rgba(0.16, 0.16, 0.17, 0.94) : Qt.rgba(0.97, 0.97, 0.98, 0.92)
    readonly property color thinMaterial: isDark ? Qt.rgba(1, 1, 1, 0.07) : Qt.rgba(1, 1, 1, 0.78)
    // What a sheet or an alert stands on: opaque, since it covers the window's content.
    readonly property color sheetBackground: isDark ? "#2c2c2f" : "#ffffff"
    readonly property color scrim: Qt.rgba(0, 0, 0, isDark ? 0.45 : 0.25)
    readonly property color selection: tinted(blue, isDark ? 0.3 : 0.16)
    // The faint fills and outlines drawn over any background: tracks, hover tints, hairlines.
    readonly property color faintFill: tinted(primaryText, 0.06)
    readonly property color hoverFill: tinted(primaryText, 0.05)
    readonly property color faintOutline: tinted(primaryText, isDark ? 0.12 : 0.08)
    // A raised control's face: a switch's knob, a slider's handle, the chosen segment.
    readonly property color controlFace: isDark ? "#636366" : "#ffffff"

    component Radii: QtObject {
        readonly property real small: 6
        readonly property real control: 8
        readonly property real tile: 10
        readonly property real banner: 12
        readonly property real row: 14
        readonly property real panel: 18
        readonly property real card: 20
        readonly property real appIcon: 22
    }
    readonly property Radii radius: Radii {}

    component Spacing: QtObject {
        readonly property real tight: 4
        readonly property real compact: 6
        readonly property real small: 8
        readonly property real snug: 10
        readonly property real regular: 12
        readonly property real comfortable: 14
        readonly property real large: 16
        readonly property real card: 18
        readonly property real loose: 20
        readonly property real section: 28
        readonly property real page: 32
        readonly property real spacious: 40
    }
    readonly property Spacing spacing: Spacing {}

    // Durations in milliseconds; springs in the terms of SpringAnimation, stepped every 16 ms.
    component Motion: QtObject {
        readonly property int quick: 120
        readonly property int standard: 200
        readonly property int reveal: 250
        // One full turn of a busy spinner.
        readonly property int spinnerTurn: 1000
        // Settles in about 0.18 s without overshooting: hover lifts and presses.
        readonly property real spring: 20
        readonly property real springDamping: 1
        // Settles in about 0.25 s with a small bounce: the Dock miniature's magnified tiles.
        readonly property real bouncySpring: 10
        readonly property real bouncyDamping: 0.48
    }
    readonly property Motion motion: Motion {}

    // How much a surface grows under the pointer: the larger the surface, the more it may lift
    // before it crowds its neighbours.
    component HoverScales: QtObject {
        // Rows of a list, which stand edge to edge with the next.
        readonly property real listRow: 1.005
        // Setting rows and the spacer cards, one control each.
        readonly property real row: 1.008
        // Cards in a grid.
        readonly property real card: 1.012
        // The Dashboard's action cards, which stand alone with room around them.
        readonly property real action: 1.015
    }
    readonly property HoverScales hoverScale: HoverScales {}

    // The rounded squares a symbol stands on, from a list row's to a card's.
    component TileSizes: QtObject {
        readonly property real row: 32
        readonly property real sheet: 40
        readonly property real card: 44
        readonly property real large: 48
    }
    readonly property TileSizes tileSize: TileSizes {}

    // Sheets, alerts and confirmations. One without dividers pads its header, body and footer alike,
    // so that all three line up; one with dividers pads each region as it stands between them.
    component Sheets: QtObject {
        readonly property real narrowWidth: 380
        readonly property real width: 420
        readonly property real wideWidth: 460
        readonly property real padding: 28
        readonly property real regionPadding: 20
        readonly property real bodyPadding: 24
    }
    readonly property Sheets sheet: Sheets {}

    component IconSizes: QtObject {
        readonly property real small: 14
        readonly property real body: 16
        readonly property real row: 20
        readonly property real title3: 21
        readonly property real tile: 24
        readonly property real empty: 48
    }
    readonly property IconSizes iconSize: IconSizes {}

    component TextStyles: QtObject {
        readonly property font largeTitle: Qt.font({ pixelSize: 28, weight: Font.Bold })
        readonly property font title2: Qt.font({ pixelSize: 20, weight: Font.Bold })
        readonly property font title3: Qt.font({ pixelSize: 17, weight: Font.Bold })
        readonly property font headline: Qt.font({ pixelSize: 15, weight: Font.DemiBold })
        readonly property font body: Qt.font({ pixelSize: 14 })
        readonly property font bodyEmphasis: Qt.font({ pixelSize: 14, weight: Font.DemiBold })
        readonly property font monospacedBody: Qt.font({ family: Qt.platform.os === "osx" ? "Menlo" : "monospace", pixelSize: 14 })
        readonly property font subheadline: Qt.font({ pixelSize: 13 })
        readonly property font subheadlineEmphasis: Qt.font({ pixelSize: 13, weight: Font.Medium })
        readonly property font caption: Qt.font({ pixelSize: 12 })
        readonly property font captionEmphasis: Qt.font({ pixelSize: 12, weight: Font.Medium })
        readonly property font caption2: Qt.font({ pixelSize: 11 })
        readonly property font dayInitial: Qt.font({ pixelSize: 13, weight: Font.DemiBold })
        // A face with rounded ends; where it is missing, the interface font in bold stands in.
        readonly property font initials: Qt.font({ family: Qt.platform.os === "osx" ? "SF Pro Rounded" : "Quicksand",
                                                    pixelSize: 20, weight: Font.Bold })
    }
    readonly property TextStyles font: TextStyles {}

    // A colour at the given opacity, for the tinted tiles and backgrounds.
    function tinted(base, alpha) {
        return Qt.rgba(base.r, base.g, base.b, alpha)
    }
}
