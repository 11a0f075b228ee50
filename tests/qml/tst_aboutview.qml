// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Berthwise
import BerthwiseTest

ScreenTestCase {
    id: testCase
    name: "AboutView"

    Component { id: aboutComponent; AboutView {} }

    function test_rowsOpenTheirAddress_data() {
        return table(["tag", "row", "address", "way"], [
            ["website clicked", "websiteRow", AppInfo.website, "click"],
            ["product page by a screen reader", "productPageRow", AppInfo.productPage, "Press"],
            ["contact by the Return key", "contactRow", AppInfo.contactPage, Qt.Key_Return]
        ])
    }

    function test_rowsOpenTheirAddress(data) {
        const before = TestProbe.openedAddresses().length
        operate(child(show(aboutComponent, "makerCard"), data.row), data.way)
        const opened = TestProbe.openedAddresses().slice(before)
        compare(opened, [data.address])
        // Each row is a link to a page, not a mail or file link.
        verify(/^https?:\/\/[^\/\s]+/.test(opened[0]), opened[0])
    }

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
