// SPDX-License-Identifier: MIT
import QtQml

// One choice among the `ChoiceButton`s that name it. Bind `currentValue` to what is chosen: the
// group never assigns it, and reports every choice, the current one again included, in `activated`.
QtObject {
    property var currentValue

    signal activated(var value)

    function choose(value) {
        activated(value);
    }
}
