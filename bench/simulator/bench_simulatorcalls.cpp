// SPDX-License-Identifier: MIT
// What one call of the simulated `defaults` or `killall` costs next to /bin/true, the cheapest
// program there is. Calls alternate with /bin/true (A B A B) so that a burst of load on a shared
// machine hits both sides alike; medians of wall and processor time are compared. Target: <= 1.5x.
//
// Usage: bench_simulatorcalls [ROUNDS [DEFAULTS KILLALL]]; the paths default to the built tools.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Cost {
    double wallMicroseconds = 0;
    double processorMicroseconds = 0;
};

Cost run(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const std::string& word : command)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", argv[0]);
        std::exit(1);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", argv[0]);
        std::exit(1);
    }
    const auto microseconds = [](const timeval& time) {
        return double(time.tv_sec) * 1e6 + double(time.tv_usec);
    };
    return {std::chrono::duration<double, std::micro>(end - start).count(),
            microseconds(usage.ru_utime) + microseconds(usage.ru_stime)};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void compare(const char* name, const std::vector<std::string>& command, int rounds) {
    const std::vector<std::string> bare{"/bin/true"};
    std::vector<double> bareWall, bareProcessor, toolWall, toolProcessor;
    for (int i = 0; i < rounds; ++i) {
        const Cost a = run(bare);
        const Cost b = run(command);
        bareWall.push_back(a.wallMicroseconds);
        bareProcessor.push_back(a.processorMicroseconds);
        toolWall.push_back(b.wallMicroseconds);
        toolProcessor.push_back(b.processorMicroseconds);
    }
    std::printf("%-36s wall %7.0f us vs %6.0f us (%.2fx)   processor %6.0f us vs %5.0f us (%.2fx)\n", name,
                median(toolWall), median(bareWall), median(toolWall) / median(bareWall),
                median(toolProcessor), median(bareProcessor), median(toolProcessor) / median(bareProcessor));
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const std::string defaults = argc > 3 ? argv[2] : SIMULATOR_DEFAULTS;
    const std::string killall = argc > 3 ? argv[3] : SIMULATOR_KILLALL;

    // A throw-away Dock, so the measurement never touches the user's simulated one.
    char folderTemplate[] = "/tmp/bench-simulated-dock-XXXXXX";
    if (!mkdtemp(folderTemplate))
        return 1;
    const std::string folder = folderTemplate;
    setenv("BERTHWISE_SIMULATED_DOCK", folder.c_str(), 1);
    const std::string domain = "com.apple.dock";
    run({defaults, "write", domain, "tilesize", "-int", "48"});
    for (const char* section : {"persistent-apps", "persistent-others"})
        run({defaults, "write", domain, section, "-array-add", R"({"tile-type"="spacer-tile";})"});

    std::printf("median of %d rounds, each call against /bin/true\n", rounds);
    compare("defaults read com.apple.dock tilesize", {defaults, "read", domain, "tilesize"}, rounds);
    compare("defaults read com.apple.dock", {defaults, "read", domain}, rounds);
    compare("defaults write ... tilesize -int 48", {defaults, "write", domain, "tilesize", "-int", "48"},
            rounds);
    compare("killall Dock", {killall, "Dock"}, rounds);
    std::filesystem::remove_all(folder);
    return 0;
}
