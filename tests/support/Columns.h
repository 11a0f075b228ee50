// SPDX-License-Identifier: MIT
#pragma once

#include <QTest>

// A data table's columns in one line: columns<int, QString>("count", "text").
template <typename... T, typename... Name> void columns(Name... names) {
    static_assert(sizeof...(T) == sizeof...(Name));
    (QTest::addColumn<T>(names), ...);
}
