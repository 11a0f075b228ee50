// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Berthwise
import BerthwiseTest

ScreenTestCase {
    id: testCase

    name: "AppearanceView"
    height: 1200

    Component {
        id: screenComponent

        AppearanceView {
            width: testCase.width
            height: testCase.height
        }
    }

    property var screen

    function init() {
        idle();
        DockViewModel.dockSize = 48;
        DockViewModel.magnificationSize = 96;
        DockViewModel.isMagnificationEnabled = true;
        DockViewModel.isAutoHideEnabled = false;
        DockViewModel.dockPosition = "bottom";
        DockViewModel.minimizeEffect = "genie";
        TestProbe.clearRecords();
        screen = createTemporaryObject(screenComponent, testCase);
        settled(item("dockSizeRow"));
    }

    function item(objectName, parentItem) {
        return child(parentItem ?? screen, objectName);
    }

    function tile(index) {
        return item("previewTile" + index);
    }

    function near(actual, expected) {
        return Math.abs(actual - expected) < 0.001;
    }

    // What one setting's operation hands the shell.
    function written(setting) {
        return ["defaults write com.apple.dock " + setting + "\nkillall Dock"];
    }

    function scriptsAfterIdle() {
        idle();
        return TestProbe.recordedScripts();
    }

    // Where the pointer has to be for the slider to show `value`.
    function sliderX(slider, value) {
        const position = (value - slider.from) / (slider.to - slider.from);
        return slider.leftPadding + slider.handle.width / 2 + position * (slider.availableWidth - slider.handle.width);
    }

    function test_dockSizeDragIsFollowedAndAppliedOnceOnRelease() {
        const row = item("dockSizeRow");
        const slider = item("slider", row);
        const label = item("valueLabel", row);
        const y = slider.height / 2;
        compare(label.text, "48px");

        mousePress(slider, sliderX(slider, 48), y);
        for (let value = 49; value <= 64; ++value) {
            mouseMove(slider, sliderX(slider, value), y, -1, Qt.LeftButton);
            compare(label.text, value + "px");
            tryVerify(() => near(tile(0).width, value * 0.7), 5000, "tile at " + value);
            verify(!DockViewModel.isWorking, "nothing runs while dragging");
        }
        mouseRelease(slider, sliderX(slider, 64), y);

        compare(scriptsAfterIdle(), written("tilesize -int 64"));
        compare(DockViewModel.statusMessage, "Dock updated successfully.");
        // Still bound after the drag, so that an applied profile moves it.
        DockViewModel.dockSize = 40;
        compare(slider.value, 40);
        // A value between steps (from a profile, say) shows truncated, as it is written.
        DockViewModel.dockSize = 63.9;
        compare(label.text, "63px");
    }

    // The Dock's own sizes at both ends are clamped to what the preview can hold.
    function test_previewTileSize_data() {
        return [
            { tag: "smallest Dock", dockSize: 24, tile: 24 },
            { tag: "default Dock", dockSize: 48, tile: 33.6 },
            { tag: "largest Dock", dockSize: 96, tile: 52 }
        ];
    }

    function test_previewTileSize(data) {
        DockViewModel.dockSize = data.dockSize;
        for (let index = 0; index < 8; ++index) {
            tryVerify(() => near(tile(index).width, data.tile), 5000, "tile " + index);
            verify(near(tile(index).height, data.tile));
        }
        verify(near(item("dockDivider").height, data.tile * 0.7));
    }

    function test_magnificationSwitchShowsAndHidesTheSizeRow() {
        const toggle = item("toggle", item("magnificationRow"));
        const sizeRow = item("magnificationSizeRow");
        verify(sizeRow.visible);

        mouseClick(toggle);
        tryVerify(() => !sizeRow.visible, 5000);
        compare(scriptsAfterIdle(), written("magnification -bool false"));

        // The slide and fade must end where they began, not part-way.
        mouseClick(toggle);
        tryVerify(() => sizeRow.visible && sizeRow.opacity === 1 && sizeRow.y === 0, 5000);
    }

    // Pointer, keyboard and screen reader each make one write. Choosing the current segment again
    // still writes it, since the Dock may have been changed elsewhere; a slider step that cannot
    // move writes nothing.
    function test_eachChangeWritesOnce_data() {
        return [
            { tag: "Left clicked when already Left", control: "positionPicker", group: "Dock Position", segment: "left",
              name: "Left", way: "click", field: "dockPosition", from: "left", to: "left", scripts: written("orientation -string left") },
            { tag: "Right toggled by a screen reader", control: "positionPicker", segment: "right", name: "Right",
              way: "Toggle", field: "dockPosition", from: "bottom", to: "right", scripts: written("orientation -string right") },
            { tag: "Genie pressed by a screen reader when already Genie", control: "minimizeEffectPicker", group: "Minimize Effect",
              segment: "genie", name: "Genie", way: "Press", field: "minimizeEffect", from: "genie", to: "genie",
              scripts: written("mineffect -string genie") },
            { tag: "Dock Size increased", control: "dockSizeRow", name: "Dock Size", way: "Increase", field: "dockSize",
              from: 48, to: 49, scripts: written("tilesize -int 49") },
            { tag: "Dock Size increased at its largest", control: "dockSizeRow", name: "Dock Size", way: "Increase",
              field: "dockSize", from: 96, to: 96, scripts: [] },
            { tag: "Dock Size by the right arrow key", control: "dockSizeRow", name: "Dock Size", way: Qt.Key_Right,
              field: "dockSize", from: 48, to: 49, scripts: written("tilesize -int 49") },
            { tag: "Magnification Size increased", control: "magnificationSizeRow", name: "Magnification Size",
              way: "Increase", field: "magnificationSize", from: 96, to: 97, scripts: written("largesize -int 97") }
        ];
    }

    function test_eachChangeWritesOnce(data) {
        DockViewModel[data.field] = data.from;
        const control = item(data.control);
        const target = item(data.segment ? "segment_" + data.segment : "slider", control);
        compare(TestProbe.accessibleName(target), data.name);
        if (data.group)
            compare(TestProbe.accessibleName(control), data.group);

        operate(target, data.way);

        compare(DockViewModel[data.field], data.to);
        if (data.segment)
            verify(target.isSelected);
        compare(scriptsAfterIdle(), data.scripts);
    }
}
