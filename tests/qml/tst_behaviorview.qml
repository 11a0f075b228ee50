// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Berthwise
import BerthwiseTest

ScreenTestCase {
    id: testCase

    name: "BehaviorView"
    height: 1000

    Component {
        id: screenComponent

        BehaviorView {
            width: testCase.width
            height: testCase.height
        }
    }

    function written(lines) {
        return ["defaults " + lines.join("\ndefaults ") + "\nkillall Dock"];
    }

    // Pointer, keyboard and screen reader each run the operation exactly once.
    function test_eachSwitchWritesItsOneScript_data() {
        return [
            { tag: "auto-hide on", field: "isAutoHideEnabled", name: "Auto-hide Dock", from: false, way: "click",
              script: written(["write com.apple.dock autohide -bool true"]) },
            // The timing keys only: "autohide" itself is its own switch.
            { tag: "fast auto-hide on", field: "fastAutoHide", name: "Fast Auto-hide", from: false, way: "click",
              script: written(["write com.apple.dock autohide-delay -float 0",
                               "write com.apple.dock autohide-time-modifier -float 0.2"]) },
            { tag: "only running apps on", field: "showOnlyRunningApps", name: "Show Only Running Apps", from: false,
              way: Qt.Key_Space, script: written(["write com.apple.dock static-only -bool true"]) },
            { tag: "dim hidden apps on", field: "dimHiddenApps", name: "Dim Hidden Apps", from: false, way: "Toggle",
              script: written(["write com.apple.dock showhidden -bool true"]) },
            { tag: "running indicators off", field: "showRunningIndicators", name: "Show Running Indicators",
              from: true, way: "click", script: written(["write com.apple.dock show-process-indicators -bool false"]) },
            { tag: "minimize into icon off", field: "minimizeIntoAppIcon", name: "Minimize into App Icon", from: true,
              way: Qt.Key_Space, script: written(["write com.apple.dock minimize-to-application -bool false"]) },
            // Hiding recent apps means the Dock must not show them.
            { tag: "hide recent apps on", field: "hideRecentApps", name: "Hide Recent Apps", from: false, way: "click",
              script: written(["write com.apple.dock show-recents -bool false"]) }
        ];
    }

    function test_eachSwitchWritesItsOneScript(data) {
        idle();
        DockViewModel[data.field] = data.from;
        TestProbe.clearRecords();
        const screen = createTemporaryObject(screenComponent, testCase);
        const toggle = child(settled(child(screen, data.field + "Row")), "toggle");
        compare(TestProbe.accessibleName(toggle), data.name);

        operate(toggle, data.way);

        compare(DockViewModel[data.field], !data.from);
        idle();
        compare(TestProbe.recordedScripts(), data.script);
        compare(DockViewModel.statusMessage, "Dock updated successfully.");
        compare(toggle.checked, !data.from);
        // Still following the view model, which a profile or a preset may change later.
        DockViewModel[data.field] = data.from;
        compare(toggle.checked, data.from);
    }
}
