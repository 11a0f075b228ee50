// SPDX-License-Identifier: MIT
#pragma once

#include <plist/plist.h>

#include <string>

// Renders a stored value the way `defaults read` prints it: scalars plainly, collections in the
// old-style text format with sorted keys and four-space indentation.
class ValuePrinter {
public:
    // The text without the final newline.
    [[nodiscard]] static std::string print(plist_t value);
    // The word `defaults read-type` uses for the value's type ("integer", "dictionary", ...).
    [[nodiscard]] static std::string typeName(plist_t value);

private:
    static void appendNested(std::string& out, plist_t value, int indent);
    static void appendQuoted(std::string& out, const std::string& text);
    [[nodiscard]] static std::string scalarText(plist_t value);
};
