// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Berthwise
import BerthwiseTest

ScreenTestCase {
    id: testCase

    name: "PresetsView"
    width: 980
    height: 900

    Component {
        id: screenComponent

        PresetsView {
            width: testCase.width
            height: testCase.height
        }
    }

    function card(name) {
        const screen = createTemporaryObject(screenComponent, testCase);
        settled(child(screen, "presetGrid"));
        const found = child(screen, "presetCard_" + name);
        settled(child(found, "applyPresetButton").parent);
        return found;
    }

    function badgesOf(presetCard) {
        return Array.from(child(presetCard, "presetBadges").children).filter(item => item.label !== undefined);
    }

    function init() {
        idle();
        TestProbe.resetDockFiles();
        TestProbe.clearRecords();
    }

    // The accent follows the icon, with blue for any icon not named; the badges say what the preset
    // sets, auto-hide only when it turns it on.
    function test_cardShowsItsPreset_data() {
        return [
            { tag: "sparkles", name: "Clean Minimal", tint: Theme.blue, badges: ["Size 42px", "Bottom"] },
            { tag: "terminal", name: "Developer Mode", tint: Theme.green, badges: ["Size 38px", "Left", "Auto-hide"] },
            { tag: "bolt.fill", name: "Full Power", tint: Theme.orange, badges: ["Size 60px", "Bottom"] }
        ];
    }

    function test_cardShowsItsPreset(data) {
        const presetCard = card(data.name);
        compare(TestProbe.accessibleRole(presetCard), Accessible.Button);
        compare(TestProbe.accessibleName(presetCard), data.name);

        const badges = badgesOf(presetCard);
        compare(badges.map(badge => badge.label), data.badges);
        const tints = [child(presetCard, "presetIconTile").tint, child(presetCard, "applyPresetButton").tint]
                .concat(badges.map(badge => badge.tint));
        for (const tint of tints)
            verify(Qt.colorEqual(tint, data.tint), tint + " is not " + data.tint);
    }

    // No confirmation: the preset is applied at once, after a backup, and every apply button stays
    // usable while it runs. Only the button takes clicks; the rest of the card is just text.
    function test_applying_data() {
        return [
            { tag: "button clicked", target: "button", way: "click" },
            { tag: "card pressed by a screen reader", target: "card", way: "Press" },
            { tag: "card's text clicked", target: "text" }
        ];
    }

    function test_applying(data) {
        DockViewModel.isAutoHideEnabled = false;
        DockViewModel.dockSize = 48;
        const presetCard = card("Presentation Mode");
        const button = child(presetCard, "applyPresetButton");
        if (data.target === "text")
            mouseClick(presetCard, presetCard.width / 2, Theme.spacing.card + 8);
        else
            operate(data.target === "button" ? button : presetCard, data.way);

        if (data.target === "text") {
            verify(!DockViewModel.isWorking);
            compare(TestProbe.recordedScripts(), []);
            return;
        }
        verify(DockViewModel.isWorking);
        verify(button.enabled);
        idle();
        compare(DockViewModel.statusMessage, "'Presentation Mode' applied.");
        compare(TestProbe.backupFiles().length, 1);
        verify(DockViewModel.isAutoHideEnabled);
        compare(DockViewModel.dockSize, 36);
        verify(TestProbe.recordedScripts().some(script => script.includes("tilesize -int 36")),
               TestProbe.recordedScripts().join("\n---\n"));
    }
}
