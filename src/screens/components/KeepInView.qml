// SPDX-License-Identifier: MIT
import QtQuick
import Berthwise

// Scrolls a page or a sheet's body so that the keyboard focus stays in sight as it moves through
// it: a control is brought just into view, and something taller than the view shows its top.
Item {
    id: keeper

    required property Flickable flickable
    readonly property Item focused: Window.activeFocusItem

    function isInside(item) {
        for (let step = item; step; step = step.parent) {
            if (step === flickable.contentItem)
                return true;
        }
        return false;
    }

    onFocusedChanged: {
        if (!focused || !isInside(focused))
            return;
        const margin = Theme.spacing.small;
        const top = focused.mapToItem(flickable.contentItem, 0, 0).y - margin;
        const bottom = top + focused.height + 2 * margin;
        const lowest = flickable.originY - flickable.topMargin;
        const highest = Math.max(lowest, flickable.originY + flickable.contentHeight + flickable.bottomMargin
                                 - flickable.height);
        const viewBottom = flickable.contentY + flickable.height;
        if (top < flickable.contentY)
            flickable.contentY = Math.max(lowest, top);
        else if (bottom - top > flickable.height && top > viewBottom - 2 * margin)
            flickable.contentY = Math.min(highest, top);
        else if (bottom > viewBottom && bottom - top <= flickable.height)
            flickable.contentY = Math.min(highest, bottom - flickable.height);
    }
}
