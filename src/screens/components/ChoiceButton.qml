// SPDX-License-Identifier: MIT
import QtQuick
import Berthwise

// One option of a `ChoiceGroup`, a radio button to screen readers; its look is its owner's.
Pressable {
    id: choice

    property ChoiceGroup group
    property var value
    readonly property bool isSelected: group !== null && group.currentValue === value

    Accessible.role: Accessible.RadioButton
    Accessible.checkable: true
    Accessible.checked: isSelected
    Accessible.onToggleAction: choice.activate()
    onActivated: {
        if (choice.group)
            choice.group.choose(choice.value);
    }
}
