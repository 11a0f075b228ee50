// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Berthwise
import BerthwiseTest

ScreenTestCase {
    id: testCase
    name: "AboutView"

    Component { id: aboutComponent; AboutView {} }

    // The header stands on the page's centre line, over the cards centred below it, however wide
    // the window.
    function test_headerIsCentred_data() {
        return [{ tag: "wide", width: 900 }, { tag: "narrow", width: 520 }]
    }

    function test_headerIsCentred(data) {
        const about = createTemporaryObject(aboutComponent, testCase, { width: data.width, height: height })
        settled(child(about, "makerCard"))
        for (const name of ["appIcon", "aboutVersion", "aboutDescription", "makerCard"]) {
            const item = child(about, name)
            fuzzyCompare(item.mapToItem(about, item.width / 2, 0).x, about.width / 2, 1, name)
        }
    }
}
