// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Berthwise
import BerthwiseTest

ScreenTestCase {
    id: testCase

    name: "SpacersView"
    width: 980
    // Tall enough that every card is on screen without scrolling.
    height: 1300

    Component {
        id: screenComponent

        SpacersView {
            width: testCase.width
            height: testCase.height
        }
    }

    Component {
        id: contentComponent

        ContentView {
            width: testCase.width
            height: testCase.height
        }
    }

    function card(screen, key) {
        const found = child(screen, "spacerCard_" + key);
        // Until both columns are laid out the cards overlap, and a click would reach the wrong one.
        settled(found.parent.parent);
        settled(found.parent);
        return found;
    }

    function spacer(list, tile) {
        return "defaults write com.apple.dock " + list + " -array-add '{\"tile-type\"=\"" + tile + "\";}'\nkillall Dock";
    }

    function stack(listType) {
        return "defaults write com.apple.dock persistent-others -array-add '{\n  \"tile-data\" = {\n    \"list-type\" = "
                + listType + ";\n  };\n  \"tile-type\" = \"recents-tile\";\n}';\nkillall Dock";
    }

    function init() {
        idle();
        TestProbe.clearRecords();
    }

    // Each card is one button, whichever way it is pressed, and every press adds one more tile.
    function test_eachCardAddsItsTile_data() {
        return [
            { tag: "Standard Spacer clicked", card: "standardAppsSpacer", title: "Standard Spacer", way: "click",
              script: spacer("persistent-apps", "spacer-tile"), status: "Standard spacer added to Apps Section." },
            { tag: "Small Spacer pressed by a screen reader", card: "smallAppsSpacer", title: "Small Spacer",
              way: "Press", script: spacer("persistent-apps", "small-spacer-tile"),
              status: "Small spacer added to Apps Section." },
            { tag: "Standard Right Spacer by the Space key", card: "standardRightSpacer",
              title: "Standard Right Spacer", way: Qt.Key_Space, script: spacer("persistent-others", "spacer-tile"),
              status: "Standard spacer added to Right Side." },
            { tag: "Small Right Spacer clicked twice", card: "smallRightSpacer", title: "Small Right Spacer",
              way: "click", times: 2, script: spacer("persistent-others", "small-spacer-tile"),
              status: "Small spacer added to Right Side." },
            { tag: "Recent Applications pressed by a screen reader", card: "recentApplications",
              title: "Recent Applications", way: "Press", script: stack(1),
              status: "Recent Applications stack added." },
            { tag: "Recent Documents by the Return key", card: "recentDocuments", title: "Recent Documents",
              way: Qt.Key_Return, script: stack(2), status: "Recent Documents stack added." },
            // The Dock numbers servers 4, not 3.
            { tag: "Recent Servers clicked", card: "recentServers", title: "Recent Servers", way: "click",
              script: stack(4), status: "Recent Servers stack added." }
        ];
    }

    function test_eachCardAddsItsTile(data) {
        const target = card(createTemporaryObject(screenComponent, testCase), data.card);
        compare(TestProbe.accessibleRole(target), Accessible.Button);
        compare(TestProbe.accessibleName(target), data.title);

        const times = data.times ?? 1;
        for (let time = 0; time < times; ++time)
            operate(target, data.way);
        idle();
        compare(TestProbe.recordedScripts(), Array(times).fill(data.script));
        compare(DockViewModel.statusMessage, data.status);
    }

    // The screen at the narrowest window: the closing note is longer than a line, and must wrap
    // rather than widen the column and push the cards past the window's edge.
    function test_longNoteWrapsInsideTheColumn() {
        const screen = createTemporaryObject(screenComponent, testCase);
        screen.width = 760;
        const target = card(screen, "recentServers");
        const banner = child(screen, "spacersBanner");
        settled(banner.parent);
        const column = screen.width - 2 * screen.padding;
        compare(target.width, column);
        compare(banner.width, column);
        verify(child(banner, "infoBannerMessage").lineCount > 1);
    }

    // The sidebar names each screen by its file; a name that misses shows only the section's title.
    function test_sidebarShowsTheScreen_data() {
        return [
            { tag: "Spacers", section: "spacers", screen: "spacersView" },
            { tag: "Presets", section: "presets", screen: "presetsView" }
        ];
    }

    function test_sidebarShowsTheScreen(data) {
        const content = createTemporaryObject(contentComponent, testCase);
        content.select(data.section);
        const loader = child(content, "screenLoader");
        tryCompare(loader, "status", Loader.Ready);
        compare(loader.item.objectName, data.screen);
    }
}
