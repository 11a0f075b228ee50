// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

// Reads a file, or an open stream such as standard input, to its end in one piece.
class WholeFile {
public:
    // Nothing, with errno saying why, when the file cannot be opened or read (a folder, for one).
    [[nodiscard]] static std::optional<std::string> read(const std::string& path);
    [[nodiscard]] static std::optional<std::string> read(int descriptor);
};
