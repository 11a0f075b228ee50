// SPDX-License-Identifier: MIT
#pragma once

class QCoreApplication;

// --help and --version, and nothing else: the app has no command line of its own.
class CommandLine {
public:
    // Whether the arguments ask for the help or the version. Those need no display, so they are
    // answered before the window system is reached: from a terminal without one, they would fail.
    [[nodiscard]] static bool asksForInformation(int argc, char* argv[]);
    // Prints the help or the version and exits, or reports anything it does not know and returns
    // false.
    [[nodiscard]] static bool process(const QCoreApplication& app);
};
