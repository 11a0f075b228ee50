// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>

// Checks a property list's bytes before libplist parses them. libplist's parser and its free recurse
// once per level of nesting, and its binary reader makes a separate copy of an object for every
// reference to it, so a file of a few hundred bytes can exhaust any stack or any memory.
class PlistBounds {
public:
    static constexpr int maximumDepth = 512;
    // Each value costs libplist about a hundred bytes, so this is about 100 MB.
    static constexpr uint64_t maximumValues = uint64_t(1) << 20;

    // False when the bytes, read as a binary or XML property list, nest deeper than maximumDepth or
    // expand to more than maximumValues values. Bytes that are neither are left to libplist to refuse.
    [[nodiscard]] static bool hold(std::string_view bytes);

private:
    [[nodiscard]] static bool binaryHolds(std::string_view bytes);
    [[nodiscard]] static bool xmlHolds(std::string_view bytes);
};
