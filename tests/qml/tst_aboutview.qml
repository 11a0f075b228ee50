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
}
