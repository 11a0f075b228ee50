// SPDX-License-Identifier: MIT
#pragma once

#include "CommandResult.h"
#include "platform/Platform.h"

#include <QCoro/QCoroTask>
#include <QStringList>

// Starts programs off the interface thread and hands back what they printed and how they ended.
class ShellService {
public:
    explicit ShellService(Platform platform);

    // Runs the program with the arguments as they are (no shell interpretation). A program that
    // cannot be started throws an Error naming it; a non-zero exit is data in the result.
    [[nodiscard]] QCoro::Task<CommandResult> run(QString executablePath, QStringList arguments) const;

    [[nodiscard]] const Platform& platform() const noexcept { return m_platform; }

private:
    Platform m_platform;
};
