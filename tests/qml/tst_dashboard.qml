// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Berthwise
import BerthwiseTest

ScreenTestCase {
    id: testCase
    name: "Dashboard"
    width: 1000
    height: 700

    Component {
        id: dashboardComponent
        DashboardView {
            width: testCase.width
            height: testCase.height
        }
    }

    function createDashboard() {
        const dashboard = createTemporaryObject(dashboardComponent, testCase)
        settled(child(dashboard, "quickActionGrid"))
        return dashboard
    }

    function init() {
        idle()
        TestProbe.resetDockFiles()
        TestProbe.clearRecords()
        DockViewModel.dockPosition = "bottom"
    }

    // Every card shares one activation, so each is either clicked or pressed by a screen reader.
    // The setting cards only ever turn settings on, and write them even when they already are.
    function test_cards_data() {
        const updated = "Dock updated successfully."
        return [
            { tag: "Clean Dock clicked", card: "cleanDock", way: "click", status: updated,
              turnedOn: ["hideRecentApps", "minimizeIntoAppIcon"],
              scripts: ["defaults write com.apple.dock show-recents -bool false\nkillall Dock",
                        "defaults write com.apple.dock minimize-to-application -bool true\nkillall Dock"] },
            { tag: "Fast Auto-hide pressed by a screen reader, already on", card: "fastAutoHide", way: "Press",
              status: updated, turnedOn: ["isAutoHideEnabled", "fastAutoHide"], alreadyOn: true,
              scripts: ["defaults write com.apple.dock autohide -bool true\nkillall Dock",
                        "defaults write com.apple.dock autohide-delay -float 0\n"
                        + "defaults write com.apple.dock autohide-time-modifier -float 0.2\nkillall Dock"] },
            { tag: "Dim Hidden Apps pressed by a screen reader", card: "dimHiddenApps", way: "Press", status: updated,
              turnedOn: ["dimHiddenApps"], scripts: ["defaults write com.apple.dock showhidden -bool true\nkillall Dock"] },
            { tag: "Add Spacer clicked", card: "addSpacer", way: "click", status: "Standard spacer added to Apps Section.",
              scripts: ["defaults write com.apple.dock persistent-apps -array-add '{\"tile-type\"=\"spacer-tile\";}'\n"
                        + "killall Dock"] },
            { tag: "Backup Dock pressed by a screen reader", card: "backupDock", way: "Press",
              status: "Backup created successfully.", scripts: [], backups: 1 },
            // Every preset is applied after a backup of the Dock as it was.
            { tag: "Developer Mode clicked", card: "developerMode", way: "click", status: "'Developer Mode' applied.",
              mentions: "orientation -string left", position: "left", backups: 1 }
        ]
    }

    function test_cards(data) {
        const dashboard = createDashboard()
        for (const property of data.turnedOn ?? [])
            DockViewModel[property] = !!data.alreadyOn
        operate(child(dashboard, "quickAction_" + data.card), data.way)
        for (const property of data.turnedOn ?? [])
            verify(DockViewModel[property], property + " is on at once")
        verify(DockViewModel.isWorking)
        idle()

        compare(DockViewModel.statusMessage, data.status)
        const scripts = TestProbe.recordedScripts()
        // The two operations of a card run side by side, so their order is not fixed.
        if (data.scripts)
            compare(scripts.slice().sort(), data.scripts.slice().sort())
        else
            verify(scripts.some(script => script.includes(data.mentions)), scripts.join("\n---\n"))
        compare(DockViewModel.dockPosition, data.position ?? "bottom")
        compare(TestProbe.backupFiles().length, data.backups ?? 0)
    }
}
