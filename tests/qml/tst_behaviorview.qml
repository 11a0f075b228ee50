// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Berthwise
import BerthwiseTest

TestCase {
    id: testCase

    name: "BehaviorView"
    when: windowShown
    visible: true
    width: 900
    height: 1000

    Component {
        id: screenComponent

        BehaviorView {
            width: testCase.width
            height: testCase.height
        }
    }

    property var screen

    function init() {
        screen = createTemporaryObject(screenComponent, testCase);
        verify(screen);
        tryVerify(() => !isPolishScheduled(screen.contentItem));
    }

    function switchIn(field) {
        const row = findChild(screen, field + "Row");
        verify(row, field + "Row");
        return findChild(row, "toggle");
    }

    // Starts from a known state with nothing recorded, whatever the previous test left running.
    function startFrom(field, value) {
        verify(TestProbe.waitUntilIdle());
        DockViewModel[field] = value;
        TestProbe.clearRecords();
    }

    function test_eachSwitchWritesItsOneScript_data() {
        return [
            { tag: "auto-hide on", field: "isAutoHideEnabled", name: "Auto-hide Dock", from: false,
              script: "defaults write com.apple.dock autohide -bool true\nkillall Dock" },
            // The timing keys only: "autohide" itself is its own switch.
            { tag: "fast auto-hide on", field: "fastAutoHide", name: "Fast Auto-hide", from: false,
              script: "defaults write com.apple.dock autohide-delay -float 0\n"
                      + "defaults write com.apple.dock autohide-time-modifier -float 0.2\nkillall Dock" },
            { tag: "fast auto-hide off", field: "fastAutoHide", name: "Fast Auto-hide", from: true,
              script: "defaults delete com.apple.dock autohide-delay || true\n"
                      + "defaults delete com.apple.dock autohide-time-modifier || true\nkillall Dock" },
            { tag: "only running apps on", field: "showOnlyRunningApps", name: "Show Only Running Apps", from: false,
              script: "defaults write com.apple.dock static-only -bool true\nkillall Dock" },
            { tag: "dim hidden apps on", field: "dimHiddenApps", name: "Dim Hidden Apps", from: false,
              script: "defaults write com.apple.dock showhidden -bool true\nkillall Dock" },
            { tag: "running indicators off", field: "showRunningIndicators", name: "Show Running Indicators", from: true,
              script: "defaults write com.apple.dock show-process-indicators -bool false\nkillall Dock" },
            { tag: "minimize into icon off", field: "minimizeIntoAppIcon", name: "Minimize into App Icon", from: true,
              script: "defaults write com.apple.dock minimize-to-application -bool false\nkillall Dock" },
            // Hiding recent apps means the Dock must not show them.
            { tag: "hide recent apps on", field: "hideRecentApps", name: "Hide Recent Apps", from: false,
              script: "defaults write com.apple.dock show-recents -bool false\nkillall Dock" },
            { tag: "hide recent apps off", field: "hideRecentApps", name: "Hide Recent Apps", from: true,
              script: "defaults write com.apple.dock show-recents -bool true\nkillall Dock" }
        ];
    }

    function test_eachSwitchWritesItsOneScript(data) {
        const toggle = switchIn(data.field);
        startFrom(data.field, data.from);
        const autoHideBefore = DockViewModel.isAutoHideEnabled;

        mouseClick(toggle);

        compare(DockViewModel[data.field], !data.from);
        verify(TestProbe.waitUntilIdle());
        compare(TestProbe.recordedScripts(), [data.script]);
        compare(DockViewModel.statusMessage, "Dock updated successfully.");
        compare(toggle.checked, !data.from);
        compare(TestProbe.accessibleName(toggle), data.name);
        if (data.field === "fastAutoHide")
            compare(DockViewModel.isAutoHideEnabled, autoHideBefore);
    }

    // A screen reader, the keyboard and the pointer must each run the operation exactly once.
    function test_everyWayOfSwitchingRunsOnce_data() {
        return [
            { tag: "pointer", way: "click" },
            { tag: "space key", way: "key" },
            { tag: "screen reader Toggle", way: "Toggle" }
        ];
    }

    function test_everyWayOfSwitchingRunsOnce(data) {
        const toggle = switchIn("dimHiddenApps");
        startFrom("dimHiddenApps", false);

        if (data.way === "click") {
            mouseClick(toggle);
        } else if (data.way === "key") {
            toggle.forceActiveFocus(Qt.TabFocusReason);
            keyClick(Qt.Key_Space);
        } else {
            verify(TestProbe.accessibleAction(toggle, data.way), TestProbe.accessibleActionNames(toggle).join());
        }

        verify(TestProbe.waitUntilIdle());
        compare(TestProbe.recordedScripts(), ["defaults write com.apple.dock showhidden -bool true\nkillall Dock"]);
        compare(toggle.checked, true);
        // Still following the view model, which may later be changed by a profile or a preset.
        DockViewModel.dimHiddenApps = false;
        compare(toggle.checked, false);
    }
}
