// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

#include <plist/plist.h>

// Renders a stored value the way `defaults read` prints it: scalars plainly, collections in the
// old-style text format with sorted keys and four-space indentation.
class ValuePrinter {
public:
    // The text without the final newline.
    [[nodiscard]] static QByteArray print(plist_t value);
    // The word `defaults read-type` uses for the value's type ("integer", "dictionary", ...).
    [[nodiscard]] static QByteArray typeName(plist_t value);

private:
    static void appendNested(QByteArray& out, plist_t value, int indent);
    static void appendQuoted(QByteArray& out, const QByteArray& text);
    [[nodiscard]] static QByteArray scalarText(plist_t value);
};
