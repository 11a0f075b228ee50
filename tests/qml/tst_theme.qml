// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Berthwise
import BerthwiseTest

ScreenTestCase {
    name: "Theme"

    function cleanup() {
        TestProbe.useDarkPalette(false);
    }

    // Text must stay readable on the window in both palettes, and an accent must keep naming the
    // same colour.
    function test_followsTheApplicationPalette() {
        verify(!Theme.isDark);
        // Copies: a colour read from a property follows the property.
        const light = { window: String(Theme.windowBackground), blueHue: Theme.blue.hslHue, redHue: Theme.red.hslHue };
        verify(Theme.primaryText.hslLightness < Theme.windowBackground.hslLightness);

        TestProbe.useDarkPalette(true);
        tryVerify(() => Theme.isDark);
        verify(String(Theme.windowBackground) !== light.window);
        verify(Theme.primaryText.hslLightness > Theme.windowBackground.hslLightness);
        verify(Theme.secondaryText.hslLightness > Theme.windowBackground.hslLightness);
        verify(Math.abs(Theme.blue.hslHue - light.blueHue) < 0.02);
        verify(Math.abs(Theme.red.hslHue - light.redHue) < 0.02);

        TestProbe.useDarkPalette(false);
        tryVerify(() => !Theme.isDark);
        compare(String(Theme.windowBackground), light.window);
    }
}
