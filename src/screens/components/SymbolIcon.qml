// SPDX-License-Identifier: MIT
import QtQuick
import "SymbolGlyphs.js" as SymbolGlyphs

// An icon named by its symbol name; decorative, so assistive technology skips it.
Text {
    property string name
    property real size: 16

    text: SymbolGlyphs.glyph(name)
    font.family: SymbolGlyphs.fontFamily
    font.pixelSize: size
    rotation: SymbolGlyphs.rotation(name)
    horizontalAlignment: Text.AlignHCenter
    verticalAlignment: Text.AlignVCenter
    Accessible.ignored: true
}
