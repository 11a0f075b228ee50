// SPDX-License-Identifier: MIT
import QtQuick
import Berthwise

// What a page whose rows are made as they scroll into view needs beside its view: Tab walking on into
// rows not made yet, the focused control kept in view, and word of each time the screen appears.
Item {
    id: upkeep

    required property Flickable view

    signal appeared

    RowFocus {
        view: upkeep.view
    }

    KeepInView {
        flickable: upkeep.view
    }

    ScreenAppearance {
        onAppeared: upkeep.appeared()
    }
}
