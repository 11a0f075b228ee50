// SPDX-License-Identifier: MIT
#pragma once

// The fonts the first screen draws with.
class StartupFonts {
public:
    // Opens them, so that the time it takes overlaps the engine's loading instead of following it:
    // the system's fonts are listed once and each font file opened once, whatever the sizes the
    // screens ask for later.
    static void prepare();
};
