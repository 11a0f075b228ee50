// SPDX-License-Identifier: MIT
#pragma once

#include "DomainStore.h"

#include <string>

// The simulated Dock process. Like the real Dock it runs from the start of the session, reads its
// preferences through the cache each time it starts, and writes a first layout when it finds none
// (on a new account, or after a reset), never replacing existing ones, so backups, exports and
// profiles always have a layout to work on.
class DockLaunch {
public:
    // Where the running Dock keeps the preferences it started with: what it shows. Empty when it found
    // none it could read.
    static constexpr char runningFile[] = "Dock.running.plist";

    // Starts the Dock unless it already runs. Every tool calls this first, as on a Mac the Dock has
    // run since login; a Dock that cannot start is not the tool's failure.
    static void ensureRunning(const DomainStore& store);
    // Starts the Dock anew, as after killall; true when it runs afterwards, otherwise error says why.
    [[nodiscard]] static bool launch(const DomainStore& store, const FolderLock& held, std::string& error);

private:
    // What a Dock that has never been customised keeps: its size, edge and effect, recents shown, and
    // two empty tile lists for spacers and stacks to be added to.
    [[nodiscard]] static PlistNode firstLayout();
};
