// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Berthwise
import BerthwiseTest

ScreenTestCase {
    id: testCase

    name: "SettingViews"
    height: 1200

    Component { id: appearanceComponent; AppearanceView {} }
    Component { id: behaviorComponent; BehaviorView {} }

    property var screen

    function init() {
        freshStart();
        Object.assign(DockViewModel, { dockSize: 48, magnificationSize: 96, isMagnificationEnabled: true,
                                       isAutoHideEnabled: false, dockPosition: "bottom", minimizeEffect: "genie" });
        screen = show(appearanceComponent, "dockSizeRow");
    }

    function item(objectName, parentItem) {
        return child(parentItem ?? screen, objectName);
    }

    function near(actual, expected) {
        return Math.abs(actual - expected) < 0.001;
    }

    function tileIs(index, size) {
        const tile = item("previewTile" + index);
        return near(tile.width, size) && near(tile.height, size);
    }

    function scriptsAfterIdle() {
        idle();
        return TestProbe.recordedScripts();
    }

    function selectedSegments(picker) {
        return picker.segments.map(segment => segment.value).filter(value => item("segment_" + value, picker).isSelected);
    }

    // Where the pointer has to be for the slider to show `value`.
    function sliderX(slider, value) {
        const position = (value - slider.from) / (slider.to - slider.from);
        return slider.leftPadding + slider.handle.width / 2 + position * (slider.availableWidth - slider.handle.width);
    }

    function test_dockSizeDragIsFollowedAndAppliedOnceOnRelease() {
        const slider = item("slider", item("dockSizeRow"));
        const label = item("valueLabel", item("dockSizeRow"));
        compare(label.text, "48px");
        mousePress(slider, sliderX(slider, 48), slider.height / 2);
        for (let value = 49; value <= 64; ++value) {
            mouseMove(slider, sliderX(slider, value), slider.height / 2, -1, Qt.LeftButton);
            compare(label.text, value + "px");
            tryVerify(() => tileIs(0, value * 0.7), 5000, "tile at " + value);
            verify(!DockViewModel.isWorking, "nothing runs while dragging");
        }
        mouseRelease(slider, sliderX(slider, 64), slider.height / 2);

        compare(scriptsAfterIdle(), [written("tilesize -int 64")]);
        compare(DockViewModel.statusMessage, "Dock updated successfully.");
        // Still bound after the drag, so that an applied profile moves it.
        DockViewModel.dockSize = 40;
        compare(slider.value, 40);
        // A value between steps (from a profile, say) shows truncated, as it is written: cut, not rounded.
        DockViewModel.dockSize = 63.9;
        compare(label.text, "63px");
        DockViewModel.applyDockSize();
        compare(scriptsAfterIdle(), [written("tilesize -int 64"), written("tilesize -int 63")]);
    }

    // Pointer, keyboard and screen reader each make one write, and every control keeps following the
    // view model, which a profile or a preset may change later; one row per kind of control and way
    // of working it, since the settings table's test holds every setting's script. Choosing the current segment again
    // still writes it, since the Dock may have been changed elsewhere; a slider step that cannot
    // move writes nothing.
    function test_eachChangeWritesOnce_data() {
        return table(["tag", "control", "target", "name", "way", "field", "from", "to", "writes", "group"], [
            ["Left clicked when already Left", "positionPicker", "segment_left", "Left", "click", "dockPosition", "left",
             "left", ["orientation -string left"], "Dock Position"],
            ["Right toggled by a screen reader", "positionPicker", "segment_right", "Right", "Toggle", "dockPosition",
             "bottom", "right", ["orientation -string right"]],
            ["Dock Size increased", "dockSizeRow", "slider", "Dock Size", "Increase", "dockSize", 48, 49, ["tilesize -int 49"]],
            ["Dock Size increased at its largest", "dockSizeRow", "slider", "Dock Size", "Increase", "dockSize", 96, 96],
            ["only running apps on", "showOnlyRunningAppsRow", "toggle", "Show Only Running Apps", Qt.Key_Space,
             "showOnlyRunningApps", false, true, ["static-only -bool true"]],
            ["minimize into icon off", "minimizeIntoAppIconRow", "toggle", "Minimize into App Icon", "Toggle",
             "minimizeIntoAppIcon", true, false, ["minimize-to-application -bool false"]]
        ]);
    }

    function test_eachChangeWritesOnce(data) {
        DockViewModel[data.field] = data.from;
        const onBehavior = data.target === "toggle";
        const control = item(data.control, onBehavior ? show(behaviorComponent, data.control) : screen);
        const target = item(data.target, control);
        // What the control shows: the selected segment, the switch's state or the slider's value.
        const shown = () => control.segments ? selectedSegments(control).join() : target.checked ?? target.value;
        compare(TestProbe.accessibleName(target), data.name);
        if (data.group)
            compare(TestProbe.accessibleName(control), data.group);
        // Each segment is a radio button to a screen reader.
        if (control.segments)
            compare(TestProbe.accessibleRole(target), Accessible.RadioButton);
        compare(shown(), data.from);

        operate(target, data.way);

        compare(DockViewModel[data.field], data.to);
        compare(shown(), data.to);
        compare(scriptsAfterIdle(), data.writes ? [written(...data.writes)] : []);
        if (data.writes)
            compare(DockViewModel.statusMessage, "Dock updated successfully.");
        DockViewModel[data.field] = data.from;
        compare(shown(), data.from);
    }
}
