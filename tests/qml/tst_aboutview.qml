// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Berthwise
import BerthwiseTest

TestCase {
    id: testCase
    name: "AboutView"
    width: 900
    height: 800
    visible: true
    when: windowShown

    Component {
        id: aboutComponent
        AboutView {
            width: testCase.width
            height: testCase.height
        }
    }

    function createAbout() {
        const about = createTemporaryObject(aboutComponent, testCase)
        verify(about)
        tryVerify(() => !isPolishScheduled(findChild(about, "makerCard").children[0]))
        return about
    }

    function test_versionLineComesFromTheBuild() {
        const version = findChild(createAbout(), "aboutVersion").text
        compare(version, "Version " + AppInfo.version + " (" + AppInfo.buildNumber + ")")
        verify(/^Version \d+(\.\d+)* \(\w+\)$/.test(version), version)
    }

    function test_rowsOpenTheirAddress_data() {
        return [
            { tag: "website clicked", row: "websiteRow", address: AppInfo.website, viaAccessibility: false },
            { tag: "product page by a screen reader", row: "productPageRow", address: AppInfo.productPage,
              viaAccessibility: true },
            { tag: "contact clicked", row: "contactRow", address: AppInfo.contactPage, viaAccessibility: false }
        ]
    }

    function test_rowsOpenTheirAddress(data) {
        const row = findChild(createAbout(), data.row)
        const before = TestProbe.openedAddresses().length
        if (data.viaAccessibility)
            verify(TestProbe.accessibleAction(row, "Press"))
        else
            mouseClick(row)
        compare(TestProbe.openedAddresses().slice(before), [data.address])
    }
}
