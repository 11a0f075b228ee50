// SPDX-License-Identifier: MIT
#pragma once

#include "DockPosition.h"
#include "MinimizeEffect.h"

#include <QtGlobal>

// The twelve Dock settings, shared by every holder of them: a reading of the live Dock, a preset and
// a profile. The initial values are what the Dock assumes for a key it does not have, so a
// default-constructed configuration is exactly what an uncustomised Dock reads as.
struct DockConfiguration {
    qint64 dockSize = 48;
    bool magnification = false;
    qint64 magnificationSize = 128;
    bool autoHide = false;
    bool fastAutoHide = false;
    bool showRecentApps = true;
    bool minimizeToApplication = false;
    bool showHidden = false;
    bool showOnlyRunningApps = false;
    bool showProcessIndicators = true;
    DockPosition orientation = DockPosition::bottom;
    MinimizeEffect minimizeEffect = MinimizeEffect::genie;

    bool operator==(const DockConfiguration&) const = default;
};
