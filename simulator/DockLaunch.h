// SPDX-License-Identifier: MIT
#pragma once

#include "DomainStore.h"

#include <string>

// The simulated Dock process starting up. Like the real Dock, it writes a first layout when it finds
// no preferences (on a new account, or after a reset) and never replaces existing ones, so backups,
// exports and profiles always have a layout to work on.
class DockLaunch {
public:
    // True when the Dock's preferences exist afterwards; otherwise error says why not.
    [[nodiscard]] static bool launch(const DomainStore& store, std::string& error);

private:
    // What a Dock that has never been customised keeps: its size, edge and effect, recents shown, and
    // two empty tile lists for spacers and stacks to be added to.
    [[nodiscard]] static PlistNode firstLayout();
};
