// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Berthwise
import BerthwiseTest

ScreenTestCase {
    id: testCase
    name: "AboutView"

    Component {
        id: aboutComponent
        AboutView {
            width: testCase.width
            height: testCase.height
        }
    }

    function createAbout() {
        const about = createTemporaryObject(aboutComponent, testCase)
        settled(child(about, "makerCard"))
        return about
    }

    function test_versionLineComesFromTheBuild() {
        const version = findChild(createAbout(), "aboutVersion").text
        compare(version, "Version " + AppInfo.version + " (" + AppInfo.buildNumber + ")")
        verify(/^Version \d+(\.\d+)* \(\w+\)$/.test(version), version)
    }

    function test_rowsOpenTheirAddress_data() {
        return [
            { tag: "website clicked", row: "websiteRow", address: AppInfo.website, way: "click" },
            { tag: "product page by a screen reader", row: "productPageRow", address: AppInfo.productPage,
              way: "Press" },
            { tag: "contact by the Return key", row: "contactRow", address: AppInfo.contactPage, way: Qt.Key_Return }
        ]
    }

    function test_rowsOpenTheirAddress(data) {
        const row = child(createAbout(), data.row)
        const before = TestProbe.openedAddresses().length
        operate(row, data.way)
        const opened = TestProbe.openedAddresses().slice(before)
        compare(opened, [data.address])
        // Each row is a link to a page, not a mail or file link.
        verify(/^https?:\/\/[^\/\s]+/.test(opened[0]), opened[0])
    }
}
