// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Berthwise
import BerthwiseTest

TestCase {
    id: testCase
    name: "Dashboard"
    width: 1000
    height: 700
    visible: true
    when: windowShown

    Component {
        id: dashboardComponent
        DashboardView {
            width: testCase.width
            height: testCase.height
        }
    }

    function createDashboard(width) {
        const dashboard = createTemporaryObject(dashboardComponent, testCase, { width: width ?? testCase.width })
        verify(dashboard)
        const grid = findChild(dashboard, "quickActionGrid")
        tryVerify(() => !isPolishScheduled(grid))
        return dashboard
    }

    function card(dashboard, key) {
        const found = findChild(dashboard, "quickAction_" + key)
        verify(found, "no card " + key)
        return found
    }

    function press(item, viaAccessibility) {
        if (viaAccessibility)
            verify(TestProbe.accessibleAction(item, "Press"), "the card offers no Press action")
        else
            mouseClick(item)
    }

    function init() {
        verify(TestProbe.waitUntilIdle())
        TestProbe.writeDockPreferences()
        TestProbe.removeBackups()
        TestProbe.clearRecords()
    }

    function cleanup() {
        verify(TestProbe.waitUntilIdle())
        DockViewModel.lastError = ""
    }

    function test_settingCards_data() {
        const rows = [
            {
                card: "cleanDock",
                scripts: ["defaults write com.apple.dock show-recents -bool false\nkillall Dock",
                          "defaults write com.apple.dock minimize-to-application -bool true\nkillall Dock"],
                turnedOn: ["hideRecentApps", "minimizeIntoAppIcon"]
            },
            {
                card: "fastAutoHide",
                scripts: ["defaults write com.apple.dock autohide -bool true\nkillall Dock",
                          "defaults write com.apple.dock autohide-delay -float 0\n"
                          + "defaults write com.apple.dock autohide-time-modifier -float 0.2\nkillall Dock"],
                turnedOn: ["isAutoHideEnabled", "fastAutoHide"]
            },
            {
                card: "dimHiddenApps",
                scripts: ["defaults write com.apple.dock showhidden -bool true\nkillall Dock"],
                turnedOn: ["dimHiddenApps"]
            }
        ]
        const data = []
        for (const row of rows) {
            data.push(Object.assign({ tag: row.card + " clicked", viaAccessibility: false }, row))
            data.push(Object.assign({ tag: row.card + " pressed by a screen reader", viaAccessibility: true }, row))
        }
        return data
    }

    // Each write is its own operation, so the cards only ever turn settings on, one script each.
    function test_settingCards(data) {
        const dashboard = createDashboard()
        for (const property of data.turnedOn)
            DockViewModel[property] = false
        press(card(dashboard, data.card), data.viaAccessibility)
        for (const property of data.turnedOn)
            verify(DockViewModel[property], property + " is on at once")
        verify(DockViewModel.isWorking)
        verify(TestProbe.waitUntilIdle())
        // The two operations of a card run side by side, so their order is not fixed.
        compare(TestProbe.recordedScripts().slice().sort(), data.scripts.slice().sort())
        compare(DockViewModel.statusMessage, "Dock updated successfully.")
        compare(DockViewModel.lastError, "")
    }

    function test_settingCardRewritesSettingsAlreadyOn() {
        const dashboard = createDashboard()
        DockViewModel.isAutoHideEnabled = true
        DockViewModel.fastAutoHide = true
        mouseClick(card(dashboard, "fastAutoHide"))
        verify(TestProbe.waitUntilIdle())
        compare(TestProbe.recordedScripts().length, 2)
        compare(DockViewModel.statusMessage, "Dock updated successfully.")
    }

    function test_operationCards_data() {
        return [
            { tag: "add spacer clicked", card: "addSpacer", viaAccessibility: false },
            { tag: "add spacer pressed by a screen reader", card: "addSpacer", viaAccessibility: true },
            { tag: "backup clicked", card: "backupDock", viaAccessibility: false },
            { tag: "backup pressed by a screen reader", card: "backupDock", viaAccessibility: true },
            { tag: "developer mode clicked", card: "developerMode", viaAccessibility: false },
            { tag: "developer mode pressed by a screen reader", card: "developerMode", viaAccessibility: true }
        ]
    }

    function test_operationCards(data) {
        const dashboard = createDashboard()
        DockViewModel.dockPosition = "bottom"
        press(card(dashboard, data.card), data.viaAccessibility)
        verify(TestProbe.waitUntilIdle())
        compare(DockViewModel.lastError, "")
        const scripts = TestProbe.recordedScripts()
        if (data.card === "addSpacer") {
            compare(DockViewModel.statusMessage, "Standard spacer added to Apps Section.")
            compare(scripts.length, 1)
            verify(scripts[0].includes("persistent-apps -array-add"))
            verify(scripts[0].includes("spacer-tile"))
        } else if (data.card === "backupDock") {
            compare(DockViewModel.statusMessage, "Backup created successfully.")
            compare(TestProbe.backupFiles().length, 1)
            compare(scripts.length, 0)
        } else {
            compare(DockViewModel.statusMessage, "'Developer Mode' applied.")
            compare(DockViewModel.dockPosition, "left")
            verify(scripts.some(script => script.includes("orientation -string left")))
            // Every preset is applied after a backup of the Dock as it was.
            compare(TestProbe.backupFiles().length, 1)
        }
    }

    function test_columnsAdaptToTheWidth_data() {
        return [
            { tag: "narrow", width: 300 },
            { tag: "medium", width: 760 },
            { tag: "wide", width: 1400 }
        ]
    }

    // As many columns as fit at 220 points or more, and never fewer than one.
    function test_columnsAdaptToTheWidth(data) {
        const dashboard = createDashboard(data.width)
        const grid = findChild(dashboard, "quickActionGrid")
        const first = card(dashboard, "addSpacer")
        const second = card(dashboard, "cleanDock")
        const columns = grid.columns
        verify(columns >= 1)
        if (columns > 1) {
            verify(first.width >= 220)
            compare(second.y, first.y, "the second card shares the first row")
        } else {
            verify(second.y > first.y)
        }
        const moreWouldFit = (columns + 1) * 220 + columns * 16 <= grid.width
        verify(!moreWouldFit, columns + " columns leave room for another")
        verify(first.height >= 160)
    }

    function test_hoverLiftsTheCard() {
        const dashboard = createDashboard()
        const backup = card(dashboard, "backupDock")
        const other = card(dashboard, "addSpacer")
        mouseMove(backup, backup.width / 2, backup.height / 2)
        tryCompare(backup, "isHovered", true)
        tryCompare(backup, "scale", 1.015)
        compare(other.scale, 1.0)
        mouseMove(dashboard, 2, 2)
        tryCompare(backup, "scale", 1.0)
    }
}
