// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <utility>

// Where the simulated Dock keeps its domains and its own bookkeeping. The app and the tools it starts
// both ask here, so they always agree on the folder.
class SimulatorFolder {
public:
    explicit SimulatorFolder(std::string path)
        : m_path(std::move(path)) {}

    // The folder the environment names: BERTHWISE_SIMULATED_DOCK when it is an absolute path, else
    // Berthwise/SimulatedDock in the XDG data folder.
    [[nodiscard]] static SimulatorFolder fromEnvironment();

    [[nodiscard]] const std::string& path() const { return m_path; }

private:
    std::string m_path;
};
