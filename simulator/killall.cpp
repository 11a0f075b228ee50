// SPDX-License-Identifier: MIT
#include "DockLaunch.h"
#include "SimulatorFolder.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// An unreadable count starts over rather than blocking restarts.
long long restartsIn(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\n\v\f\r");
    const size_t last = text.find_last_not_of(" \t\n\v\f\r");
    long long restarts = 0;
    if (first == std::string::npos)
        return 0;
    const char* end = text.data() + last + 1;
    const auto [stop, error] = std::from_chars(text.data() + first, end, restarts);
    return error == std::errc() && stop == end ? restarts : 0;
}

bool countRestart(const SimulatorFolder& folder, std::string& error) {
    constexpr char counterFile[] = "Dock.restarts";
    const std::optional<FolderLock> lock = folder.lock(error);
    if (!lock)
        return false;
    const long long restarts = restartsIn(folder.read(counterFile).value_or(std::string()));
    return folder.write(counterFile, std::to_string(restarts + 1), error);
}

} // namespace

// The Dock is the only process the simulation knows: "killing" it counts one restart, which is what
// the app's scripts rely on, and the Dock that comes back writes its first layout if it has none.
int main(int argc, char** argv) {
    if (argc != 2 || argv[1][0] == '-' || argv[1][0] == '\0') {
        std::fputs("usage: killall PROCESS-NAME\n", stderr);
        return 64;
    }
    if (std::strcmp(argv[1], "Dock") != 0) {
        std::fputs("No matching processes belonging to you were found\n", stderr);
        return 1;
    }

    const SimulatorFolder folder = SimulatorFolder::fromEnvironment();
    std::string error;
    if (countRestart(folder, error) && DockLaunch::launch(DomainStore(folder), error))
        return 0;
    std::fputs((error + '\n').c_str(), stderr);
    return 1;
}
