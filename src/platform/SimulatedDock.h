// SPDX-License-Identifier: MIT
#pragma once

#include "Platform.h"

// The Dock process where the system has none. Like the real Dock on its first launch, it writes its
// preferences when there are none yet, so backups, exports and profiles have a layout to work on.
class SimulatedDock {
public:
    // Does nothing where the real Dock exists or its preferences file is already there; returns
    // whether the preferences file exists afterwards.
    static bool launch(const Platform& platform);
};
