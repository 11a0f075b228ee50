// SPDX-License-Identifier: MIT
#pragma once

#include <plist/plist.h>

#include <string>
#include <utility>
#include <vector>

// Reads the text out of libplist trees byte for byte. A binary property list can hold strings and keys
// with NUL characters, on which libplist's own text accessors stop short or abort.
class PlistReader {
public:
    // The bytes of a string node.
    [[nodiscard]] static std::string string(plist_t node);
    // The bytes of a dictionary's key node.
    [[nodiscard]] static std::string key(plist_t node);
    // An array's items. libplist finds an item by its index by walking the array from its start,
    // so a loop over indexes takes quadratic time.
    [[nodiscard]] static std::vector<plist_t> items(plist_t array);
    // A dictionary's keys and values, in the order the dictionary keeps them.
    [[nodiscard]] static std::vector<std::pair<std::string, plist_t>> entries(plist_t dictionary);
};
