// SPDX-License-Identifier: MIT
#pragma once

#include "model/CapturedDockConfiguration.h"

#include <QList>

#include <algorithm>

// A Dock someone has used: every key present, so each read prints a value as it would on a real Mac.
inline CapturedDockConfiguration usedDock() {
    CapturedDockConfiguration configuration;
    configuration.dockSize = 36;
    configuration.magnification = true;
    configuration.magnificationSize = 96;
    configuration.autoHide = true;
    configuration.fastAutoHide = true;
    configuration.showRecentApps = false;
    configuration.orientation = DockPosition::left;
    configuration.minimizeEffect = MinimizeEffect::scale;
    return configuration;
}

inline double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}
