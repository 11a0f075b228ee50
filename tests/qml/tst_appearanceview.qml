// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Berthwise
import BerthwiseTest

TestCase {
    id: testCase

    name: "AppearanceView"
    when: windowShown
    visible: true
    width: 900
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
        verify(TestProbe.waitUntilIdle());
        DockViewModel.dockSize = 48;
        DockViewModel.magnificationSize = 96;
        DockViewModel.isMagnificationEnabled = true;
        DockViewModel.isAutoHideEnabled = false;
        DockViewModel.dockPosition = "bottom";
        DockViewModel.minimizeEffect = "genie";
        TestProbe.clearRecords();
        screen = createTemporaryObject(screenComponent, testCase);
        tryVerify(() => !isPolishScheduled(screen.contentItem));
    }

    function item(objectName) {
        const found = findChild(screen, objectName);
        verify(found, objectName);
        return found;
    }

    function tile(index) {
        return item("previewTile" + index);
    }

    function near(actual, expected) {
        return Math.abs(actual - expected) < 0.001;
    }

    function scriptsAfterIdle() {
        verify(TestProbe.waitUntilIdle());
        return TestProbe.recordedScripts();
    }

    // Where the pointer has to be for the slider to show `value`.
    function sliderX(slider, value) {
        const position = (value - slider.from) / (slider.to - slider.from);
        return slider.leftPadding + slider.handle.width / 2 + position * (slider.availableWidth - slider.handle.width);
    }

    function test_dockSizeDragIsFollowedAndAppliedOnceOnRelease() {
        const row = item("dockSizeRow");
        const slider = findChild(row, "slider");
        const label = findChild(row, "valueLabel");
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

        compare(scriptsAfterIdle(), ["defaults write com.apple.dock tilesize -int 64\nkillall Dock"]);
        compare(DockViewModel.statusMessage, "Dock updated successfully.");
        // Still bound after the drag, so that an applied profile moves it.
        DockViewModel.dockSize = 40;
        compare(slider.value, 40);
        // A value between steps (from a profile, say) shows truncated, as it is written.
        DockViewModel.dockSize = 63.9;
        compare(label.text, "63px");
    }

    function test_previewTileSize_data() {
        return [
            { tag: "smallest Dock", dockSize: 24, tile: 24 },
            { tag: "held at 24 below it", dockSize: 30, tile: 24 },
            { tag: "default Dock", dockSize: 48, tile: 33.6 },
            { tag: "held at 52 above it", dockSize: 80, tile: 52 },
            { tag: "largest Dock", dockSize: 96, tile: 52 }
        ];
    }

    function test_previewTileSize(data) {
        DockViewModel.dockSize = data.dockSize;
        for (let index = 0; index < 8; ++index) {
            tryVerify(() => near(tile(index).width, data.tile), 5000, "tile " + index);
            verify(near(tile(index).height, data.tile));
        }
        const divider = item("dockDivider");
        verify(near(divider.height, data.tile * 0.7));
        tryVerify(() => {
            const dividerX = divider.mapToItem(screen, 0, 0).x;
            return dividerX > tile(2).mapToItem(screen, tile(2).width, 0).x
                    && dividerX < tile(3).mapToItem(screen, 0, 0).x;
        }, 5000, "divider between the third and the fourth tile");
    }

    function test_hoveredTileGrowsOnlyWithMagnification_data() {
        return [
            { tag: "magnification on", magnification: true, grown: 33.6 * 1.4 },
            { tag: "magnification off", magnification: false, grown: 33.6 }
        ];
    }

    function test_hoveredTileGrowsOnlyWithMagnification(data) {
        DockViewModel.isMagnificationEnabled = data.magnification;
        mouseMove(tile(4), tile(4).width / 2, tile(4).height / 2);
        compare(item("dockPreview").hoveredIndex, 4);

        tryVerify(() => near(tile(4).width, data.grown), 5000);
        // Long enough for a spring that should not have started to show itself.
        wait(300);
        verify(near(tile(4).width, data.grown));
        verify(near(tile(3).width, 33.6) && near(tile(5).width, 33.6));

        mouseMove(screen, 1, 1);
        tryVerify(() => near(tile(4).width, 33.6), 5000);
    }

    function test_autoHideDimsThePreview() {
        DockViewModel.isAutoHideEnabled = true;
        tryVerify(() => near(item("dockRow").opacity, 0.45), 5000);
        verify(item("autoHideCaption").visible);

        DockViewModel.isAutoHideEnabled = false;
        tryVerify(() => near(item("dockRow").opacity, 1), 5000);
        verify(!item("autoHideCaption").visible);
    }

    function test_magnificationSwitchShowsAndHidesTheSizeRow() {
        const toggle = findChild(item("magnificationRow"), "toggle");
        const sizeRow = item("magnificationSizeRow");
        verify(sizeRow.visible);

        mouseClick(toggle);
        tryVerify(() => !sizeRow.visible, 5000);
        compare(scriptsAfterIdle(), ["defaults write com.apple.dock magnification -bool false\nkillall Dock"]);

        TestProbe.clearRecords();
        mouseClick(toggle);
        tryVerify(() => sizeRow.visible && sizeRow.opacity === 1 && sizeRow.y === 0, 5000);
        compare(scriptsAfterIdle(), ["defaults write com.apple.dock magnification -bool true\nkillall Dock"]);
    }

    // Choosing the current segment again still writes it: the Dock may have been changed elsewhere.
    function test_pickersWriteEveryChoice_data() {
        return [
            { tag: "left when already left", picker: "positionPicker", label: "Dock Position",
              field: "dockPosition", from: "left", value: "left",
              script: "defaults write com.apple.dock orientation -string left\nkillall Dock" },
            { tag: "right from bottom", picker: "positionPicker", label: "Dock Position",
              field: "dockPosition", from: "bottom", value: "right",
              script: "defaults write com.apple.dock orientation -string right\nkillall Dock" },
            { tag: "genie when already genie", picker: "minimizeEffectPicker", label: "Minimize Effect",
              field: "minimizeEffect", from: "genie", value: "genie",
              script: "defaults write com.apple.dock mineffect -string genie\nkillall Dock" }
        ];
    }

    function test_pickersWriteEveryChoice(data) {
        DockViewModel[data.field] = data.from;
        const picker = item(data.picker);
        compare(TestProbe.accessibleName(picker), data.label);
        const segment = findChild(picker, "segment_" + data.value);

        mouseClick(segment);

        compare(DockViewModel[data.field], data.value);
        verify(segment.isSelected);
        compare(scriptsAfterIdle(), [data.script]);
    }

    // A screen reader or the keyboard must do what the pointer does: one step, one write.
    function test_assistiveActions_data() {
        return [
            { tag: "Increase Dock Size", control: "dockSizeRow", name: "Dock Size", action: "Increase", size: 48,
              scripts: ["defaults write com.apple.dock tilesize -int 49\nkillall Dock"] },
            { tag: "Decrease Dock Size", control: "dockSizeRow", name: "Dock Size", action: "Decrease", size: 48,
              scripts: ["defaults write com.apple.dock tilesize -int 47\nkillall Dock"] },
            // Nothing moves at the end of the range, so nothing restarts the Dock.
            { tag: "Increase at the largest size", control: "dockSizeRow", name: "Dock Size", action: "Increase",
              size: 96, scripts: [] },
            { tag: "right arrow key", control: "dockSizeRow", name: "Dock Size", key: Qt.Key_Right, size: 48,
              scripts: ["defaults write com.apple.dock tilesize -int 49\nkillall Dock"] },
            { tag: "Increase Magnification Size", control: "magnificationSizeRow", name: "Magnification Size",
              action: "Increase", scripts: ["defaults write com.apple.dock largesize -int 97\nkillall Dock"] },
            { tag: "Press Left", control: "segment_left", name: "Left", action: "Press",
              scripts: ["defaults write com.apple.dock orientation -string left\nkillall Dock"] },
            { tag: "Toggle Right", control: "segment_right", name: "Right", action: "Toggle",
              scripts: ["defaults write com.apple.dock orientation -string right\nkillall Dock"] },
            { tag: "Toggle Enable Magnification", control: "magnificationRow", name: "Enable Magnification",
              action: "Toggle", scripts: ["defaults write com.apple.dock magnification -bool false\nkillall Dock"] }
        ];
    }

    function test_assistiveActions(data) {
        if (data.size !== undefined)
            DockViewModel.dockSize = data.size;
        let target = item(data.control);
        target = findChild(target, "slider") ?? findChild(target, "toggle") ?? target;
        compare(TestProbe.accessibleName(target), data.name);

        if (data.key !== undefined) {
            target.forceActiveFocus(Qt.TabFocusReason);
            keyClick(data.key);
        } else {
            verify(TestProbe.accessibleAction(target, data.action), TestProbe.accessibleActionNames(target).join());
        }

        compare(scriptsAfterIdle(), data.scripts);
    }
}
