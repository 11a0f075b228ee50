// SPDX-License-Identifier: MIT
#include "DockLaunch.h"
#include "WholeFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
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

// The count is the simulation's own bookkeeping, so it is rewritten in place under the folder's lock:
// a count a crash garbles starts over, which is not worth the flush and rename that guard a domain and
// would make every restart cost twice what starting the program does.
bool countRestart(const FolderFiles& folder, std::string& error) {
    const std::string path = folder.filePath("Dock.restarts");
    const int descriptor = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    bool counted = descriptor >= 0;
    if (counted) {
        const std::string count =
            std::to_string(restartsIn(WholeFile::read(descriptor).value_or(std::string())) + 1);
        counted = ::pwrite(descriptor, count.data(), count.size(), 0) == ssize_t(count.size()) &&
                  ::ftruncate(descriptor, off_t(count.size())) == 0;
    }
    const int savedError = errno;
    if (descriptor >= 0)
        ::close(descriptor);
    if (!counted)
        error = "Could not write " + path + ": " + std::strerror(savedError);
    return counted;
}

} // namespace

// The simulation knows two processes. "Killing" the Dock counts one restart, which is what the app's
// scripts rely on, and the Dock that comes back reads its preferences through the cache. Killing the
// preferences daemon drops that cache, as logging out does: the daemon that comes back reads the
// files as they are.
int main(int argc, char** argv) {
    if (argc != 2 || argv[1][0] == '-' || argv[1][0] == '\0') {
        std::fputs("usage: killall PROCESS-NAME\n", stderr);
        return 64;
    }
    const bool dock = std::strcmp(argv[1], "Dock") == 0;
    if (!dock && std::strcmp(argv[1], "cfprefsd") != 0) {
        std::fputs("No matching processes belonging to you were found\n", stderr);
        return 1;
    }

    const DomainStore store(SimulatorFolder::fromEnvironment());
    std::string error;
    const std::optional<FolderLock> held = store.lock(error);
    const bool done =
        held && (dock ? countRestart(store.files(), error) && DockLaunch::launch(store, *held, error)
                      : store.dropCache(*held, error));
    if (done)
        return 0;
    std::fputs((error + '\n').c_str(), stderr);
    return 1;
}
