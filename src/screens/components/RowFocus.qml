// SPDX-License-Identifier: MIT
import QtQuick

// Walks Tab and Backtab through a list page in the order it shows. Rows out of view do not exist,
// so the window's own path would skip them, and the rows that do exist stand in the order they were
// made: a step that would leave a row goes instead to the first stop of the row below (or the last
// stop of the row above), made and scrolled into view first; past the last row it goes on to the
// page's end and then out of the list. The keys are taken as shortcuts, since a control that takes
// the focus from Tab moves it on by itself before the list could see the key.
Item {
    id: walker

    // A ListView or a GridView, which share no type QML can name.
    required property var view
    readonly property Item focused: Window.activeFocusItem
    readonly property bool inList: focused !== null && isWithin(focused, view.contentItem)

    // The header, footer or row the item stands in, or null outside the list.
    function regionOf(item) {
        let region = item;
        while (region && region.parent !== view.contentItem)
            region = region.parent;
        return region;
    }

    function isWithin(item, ancestor) {
        for (let step = item; step; step = step.parent) {
            if (step === ancestor)
                return true;
        }
        return false;
    }

    // The tab stops of a region, in the window's order, which within one row is the shown order.
    function stopsIn(region) {
        const stops = [];
        if (region.activeFocusOnTab && region.visible && region.enabled)
            stops.push(region);
        for (let next = region.nextItemInFocusChain(true); next && isWithin(next, region) && !stops.includes(next);
             next = next.nextItemInFocusChain(true))
            stops.push(next);
        return stops;
    }

    // -1 for the header, the row's index, or the row count for the footer.
    function placeOf(region) {
        if (region === view.headerItem)
            return -1;
        if (region === view.footerItem)
            return view.count;
        return view.indexAt(region.x + region.width / 2, region.y + region.height / 2);
    }

    function regionAt(place) {
        if (place < 0)
            return view.headerItem;
        if (place >= view.count)
            return view.footerItem;
        view.positionViewAtIndex(place, ListView.Contain);
        return view.itemAtIndex(place);
    }

    function step(forward) {
        const reason = forward ? Qt.TabFocusReason : Qt.BacktabFocusReason;
        const region = regionOf(focused);
        const near = focused.nextItemInFocusChain(forward);
        if (isWithin(near, region)) {
            near.forceActiveFocus(reason);
            return;
        }
        const by = forward ? 1 : -1;
        for (let place = placeOf(region) + by; place >= -1 && place <= view.count; place += by) {
            const target = regionAt(place);
            const stops = target ? stopsIn(target) : [];
            if (stops.length > 0) {
                stops[forward ? 0 : stops.length - 1].forceActiveFocus(reason);
                return;
            }
        }
        let outside = focused.nextItemInFocusChain(forward);
        for (let guard = 0; outside && isWithin(outside, view) && guard < 1000; ++guard)
            outside = outside.nextItemInFocusChain(forward);
        if (outside)
            outside.forceActiveFocus(reason);
    }

    Shortcut {
        sequence: "Tab"
        enabled: walker.inList
        onActivated: walker.step(true)
    }

    Shortcut {
        sequences: ["Backtab", "Shift+Tab"]
        enabled: walker.inList
        onActivated: walker.step(false)
    }
}
