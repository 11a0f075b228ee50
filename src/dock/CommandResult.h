// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// What one program run printed and how it ended.
struct CommandResult {
    QString output;
    QString error;
    int exitCode = 0;
};
