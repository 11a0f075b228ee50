// SPDX-License-Identifier: MIT
#pragma once

#include "model/CapturedDockConfiguration.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>

// Turns what the Dock stores under each key into the settings, for both readers, so they cannot drift
// apart: whatever is missing or cannot be read keeps the default of DockConfiguration.
class DockPreferenceValues {
public:
    // Values as `defaults read` prints them, already trimmed; text that does not parse is missing.
    [[nodiscard]] static std::optional<qint64> integerFromText(QStringView text);
    [[nodiscard]] static std::optional<bool> booleanFromText(QStringView text);
    [[nodiscard]] static std::optional<double> realFromText(QStringView text);

    // One printed text per key that had a value; absent keys are simply not in the map.
    [[nodiscard]] static CapturedDockConfiguration fromTexts(const QHash<QString, QString>& texts);
    // The top-level dictionary of an XML or binary property list; anything else reads as the defaults.
    [[nodiscard]] static CapturedDockConfiguration fromPropertyList(const QByteArray& data);
};
