// SPDX-License-Identifier: MIT
#include "SimulatorFolder.h"

#include <cstdlib>
#include <vector>

namespace {

std::string absoluteVariable(const char* name) {
    const char* value = std::getenv(name);
    return value && value[0] == '/' ? value : "";
}

// Without . and .. steps, doubled or trailing slashes, so that the same folder is always the same text.
std::string cleanPath(std::string_view path) {
    std::vector<std::string_view> steps;
    while (!path.empty()) {
        const size_t slash = path.find('/');
        const std::string_view step = path.substr(0, slash);
        path = slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
        if (step == "..") {
            if (!steps.empty())
                steps.pop_back();
        } else if (!step.empty() && step != ".") {
            steps.push_back(step);
        }
    }
    std::string clean;
    for (const std::string_view step : steps) {
        clean += '/';
        clean += step;
    }
    return clean.empty() ? "/" : clean;
}

} // namespace

SimulatorFolder SimulatorFolder::fromEnvironment() {
    const std::string explicitFolder = absoluteVariable("BERTHWISE_SIMULATED_DOCK");
    if (!explicitFolder.empty())
        return SimulatorFolder(cleanPath(explicitFolder));
    std::string dataHome = absoluteVariable("XDG_DATA_HOME");
    if (dataHome.empty()) {
        const char* home = std::getenv("HOME");
        dataHome = std::string(home && home[0] ? home : "/") + "/.local/share";
    }
    return SimulatorFolder(cleanPath(dataHome + "/Berthwise/SimulatedDock"));
}
