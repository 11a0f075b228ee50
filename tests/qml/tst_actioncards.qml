// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Berthwise
import BerthwiseTest

ScreenTestCase {
    id: testCase

    name: "ActionCards"
    width: 980
    // Tall enough that every card is on screen without scrolling.
    height: 1300

    Component { id: dashboardComponent; DashboardView {} }
    Component { id: spacersComponent; SpacersView {} }
    Component { id: presetsComponent; PresetsView {} }

    function card(screen, name) {
        const found = child(show({ dashboard: dashboardComponent, spacers: spacersComponent,
                                   presets: presetsComponent }[screen]), name);
        // Until the columns are laid out the cards overlap, and a click would reach the wrong one.
        for (let item = found; item; item = item.parent)
            settled(item);
        return found;
    }

    function spacer(list, tile) {
        return written(list + " -array-add '{\"tile-type\"=\"" + tile + "\";}'");
    }

    function stack(listType) {
        return "defaults write com.apple.dock persistent-others -array-add '{\n  \"tile-data\" = {\n    \"list-type\" = "
                + listType + ";\n  };\n  \"tile-type\" = \"recents-tile\";\n}';\nkillall Dock";
    }

    function init() {
        freshStart();
        TestProbe.resetDockFiles();
        Object.assign(DockViewModel, { dockPosition: "bottom", isAutoHideEnabled: false, dockSize: 48 });
    }

    // Each card is one button to a screen reader, named by its title, and runs its operation once
    // for each press, whichever way it is pressed. The Dashboard's setting cards only ever turn
    // settings on, and write them even when they already are. A preset is applied at once, with no
    // question, after a backup of the Dock as it was.
    // The Dock numbers recent servers 4, not 3.
    function test_cardRunsItsOperation_data() {
        const updated = "Dock updated successfully.";
        return [
            { tag: "Clean Dock clicked", screen: "dashboard", card: "quickAction_cleanDock", title: "Clean Dock",
              way: "click", status: updated, turnedOn: ["hideRecentApps", "minimizeIntoAppIcon"],
              scripts: [written("show-recents -bool false"), written("minimize-to-application -bool true")] },
            { tag: "Fast Auto-hide pressed by a screen reader, already on", screen: "dashboard",
              card: "quickAction_fastAutoHide", way: "Press", status: updated,
              turnedOn: ["isAutoHideEnabled", "fastAutoHide"], alreadyOn: true,
              scripts: [written("autohide -bool true"),
                        written("autohide-delay -float 0", "autohide-time-modifier -float 0.2")] },
            { tag: "Add Spacer clicked", screen: "dashboard", card: "quickAction_addSpacer", way: "click",
              status: "Standard spacer added to Apps Section.", scripts: [spacer("persistent-apps", "spacer-tile")] },
            { tag: "Backup Dock pressed by a screen reader", screen: "dashboard", card: "quickAction_backupDock",
              way: "Press", status: "Backup created successfully.", scripts: [], backups: 1 },
            { tag: "Developer Mode clicked", screen: "dashboard", card: "quickAction_developerMode", way: "click",
              status: "'Developer Mode' applied.", mentions: "orientation -string left", after: { dockPosition: "left" },
              backups: 1 },
            { tag: "Small Right Spacer clicked twice", screen: "spacers", card: "spacerCard_smallRightSpacer",
              title: "Small Right Spacer", way: "click", times: 2,
              scripts: Array(2).fill(spacer("persistent-others", "small-spacer-tile")),
              status: "Small spacer added to Right Side." },
            { tag: "Recent Documents by the Return key", screen: "spacers", card: "spacerCard_recentDocuments",
              way: Qt.Key_Return, scripts: [stack(2)], status: "Recent Documents stack added." },
            { tag: "Recent Servers by the Space key", screen: "spacers", card: "spacerCard_recentServers",
              title: "Recent Servers", way: Qt.Key_Space, scripts: [stack(4)], status: "Recent Servers stack added." },
            { tag: "preset's button clicked", screen: "presets", card: "presetCard_Presentation Mode",
              button: "applyPresetButton", title: "Presentation Mode", way: "click", backups: 1,
              status: "'Presentation Mode' applied.", mentions: "tilesize -int 36",
              after: { isAutoHideEnabled: true, dockSize: 36 } },
            { tag: "preset's card pressed by a screen reader", screen: "presets", card: "presetCard_Presentation Mode",
              way: "Press", backups: 1, status: "'Presentation Mode' applied.", mentions: "tilesize -int 36",
              after: { isAutoHideEnabled: true, dockSize: 36 } }
        ];
    }

    function test_cardRunsItsOperation(data) {
        for (const property of data.turnedOn ?? [])
            DockViewModel[property] = !!data.alreadyOn;
        const found = card(data.screen, data.card);
        const target = data.button ? settled(child(found, data.button)) : found;
        compare(TestProbe.accessibleRole(found), Accessible.Button);
        if (data.title)
            compare(TestProbe.accessibleName(found), data.title);

        for (let time = 0; time < (data.times ?? 1); ++time)
            operate(target, data.way);
        for (const property of data.turnedOn ?? [])
            verify(DockViewModel[property], property + " is on at once");
        // A key press spins the event loop, which can see a quick operation through before the check.
        if (typeof data.way !== "number")
            verify(DockViewModel.isWorking);
        idle();

        compare(DockViewModel.statusMessage, data.status);
        const scripts = TestProbe.recordedScripts();
        // The two operations of a card run side by side, so their order is not fixed.
        if (data.scripts)
            compare(scripts.slice().sort(), data.scripts.slice().sort());
        else
            verify(scripts.some(script => script.includes(data.mentions)), scripts.join("\n---\n"));
        for (const [field, value] of Object.entries(Object.assign({ dockPosition: "bottom" }, data.after)))
            compare(DockViewModel[field], value, field);
        compare(TestProbe.backupFiles().length, data.backups ?? 0);
    }
}
