// SPDX-License-Identifier: MIT
#include "DefaultsCommand.h"

#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    return DefaultsCommand(DomainStore(SimulatorFolder::fromEnvironment())).run(arguments);
}
