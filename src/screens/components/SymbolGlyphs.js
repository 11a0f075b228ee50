// SPDX-License-Identifier: MIT
// Symbol names used across the screens, drawn with glyphs of the Material Icons font (Apache 2.0,
// installed by the scripts from Debian's fonts-material-design-icons-iconfont). Backups are local
// files, so their symbols are archive boxes, never clouds. The spacers' symbols tell the four
// spacers apart: filled tiles for the apps section and outlined ones for the right side, three
// for a standard spacer and two for a small one.
.pragma library

const fontFamily = "Material Icons"

const codePoints = {
    "airplane": 0xe539,
    "align.horizontal.left": 0xe00d,
    "align.horizontal.right": 0xe010,
    "align.vertical.bottom": 0xe258,
    "app.badge": 0xef40,
    "app.fill": 0xe5c3,
    "arrow.down.right.and.arrow.up.left": 0xf1cf,
    "arrow.down.to.line.compact": 0xe258,
    "arrow.right.circle.fill": 0xeaaa,
    "arrow.up.left.and.arrow.down.right": 0xf1ce,
    "arrow.up.left.and.down.right.magnifyingglass": 0xe56b,
    "arrow.up.right": 0xf1e1,
    "bolt.fill": 0xea0b,
    "briefcase.fill": 0xe8f9,
    "calendar": 0xe935,
    "camera.viewfinder": 0xe3b4,
    "checkmark.circle.fill": 0xe86c,
    "checkmark.seal.fill": 0xef76,
    "circle.fill": 0xe061,
    "clock": 0xe192,
    "clock.badge.checkmark": 0xe858,
    "clock.badge.plus": 0xe856,
    "clock.fill": 0xe8b5,
    "display": 0xe30c,
    "doc.fill": 0xe873,
    "dock.rectangle": 0xe06c,
    "ellipsis.circle": 0xe5d3,
    "envelope.fill": 0xe158,
    "externaldrive.badge.checkmark": 0xe149,
    "externaldrive.badge.plus": 0xe149,
    "externaldrive.badge.xmark": 0xe1a1,
    "externaldrive.fill": 0xe149,
    "eye.slash.fill": 0xe8f5,
    "folder.fill": 0xe2c7,
    "gamecontroller.fill": 0xea28,
    "gear": 0xe8b8,
    "globe": 0xe80b,
    "info.circle": 0xe88f,
    "info.circle.fill": 0xe88e,
    "magnifyingglass": 0xe8b6,
    "mail.fill": 0xe158,
    "message.fill": 0xe0c9,
    "moon.fill": 0xe51c,
    "music.note": 0xe405,
    "paintbrush.fill": 0xe3ae,
    "pencil": 0xe3c9,
    "photo.fill": 0xe410,
    "plus": 0xe145,
    "plus.circle.fill": 0xe147,
    "power": 0xe8ac,
    "rectangle.grid.2x2.fill": 0xe9b0,
    "rectangle.split.2x1": 0xf06d,
    "rectangle.split.2x1.fill": 0xe8e9,
    "rectangle.split.3x1": 0xefe8,
    "rectangle.split.3x1.fill": 0xe8f3,
    "safari": 0xe87a,
    "server.rack": 0xe875,
    "shippingbox.fill": 0xe1a1,
    "slider.horizontal.3": 0xe429,
    "sparkles": 0xe65f,
    "speedometer": 0xe9e4,
    "square.and.arrow.down": 0xe2c4,
    "square.and.arrow.up": 0xe6b8,
    "square.stack.3d.up": 0xe53b,
    "square.stack.3d.up.fill": 0xe53b,
    "square.stack.3d.up.slash": 0xe53c,
    "star.fill": 0xe838,
    "switch.2": 0xe9f6,
    "terminal": 0xeb8e,
    "terminal.fill": 0xeb8e,
    "trash": 0xe872,
    "trash.fill": 0xe872,
    "wand.and.stars": 0xe663,
    "xmark.circle.fill": 0xe5c9,
}

// The font draws some symbols standing up that are named lying down: turned a quarter clockwise.
const quarterTurned = ["rectangle.split.2x1", "rectangle.split.2x1.fill"]

function glyph(name) {
    return String.fromCodePoint(codePoints[name] ?? 0xe8fd)
}

function rotation(name) {
    return quarterTurned.includes(name) ? 90 : 0
}
