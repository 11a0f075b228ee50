// SPDX-License-Identifier: MIT
#pragma once

#include "model/CapturedDockConfiguration.h"
#include "model/DockPreferenceKey.h"

#include <QByteArray>
#include <QString>

#include <map>
#include <optional>

// What one reading of the Dock found under each preference key, before the fallbacks of
// DockConfiguration fill the gaps; both readers go through it so they cannot drift apart.
struct DockPreferenceValues {
    std::optional<qint64> tileSize;
    std::optional<qint64> largeSize;
    std::optional<bool> magnification;
    std::optional<bool> autoHide;
    std::optional<double> autoHideDelay;
    std::optional<double> autoHideTimeModifier;
    std::optional<bool> showRecents;
    std::optional<bool> minimizeToApplication;
    std::optional<bool> showHidden;
    std::optional<bool> staticOnly;
    std::optional<bool> showProcessIndicators;
    std::optional<QString> orientation;
    std::optional<QString> minimizeEffect;

    // Values as `defaults read` prints them, already trimmed; text that does not parse is missing.
    [[nodiscard]] static std::optional<qint64> integerFromText(QStringView text);
    [[nodiscard]] static std::optional<bool> booleanFromText(QStringView text);
    [[nodiscard]] static std::optional<double> realFromText(QStringView text);

    // One printed text per key that had a value; absent keys are simply not in the map.
    [[nodiscard]] static DockPreferenceValues fromTexts(const std::map<DockPreferenceKey, QString>& texts);
    // The top-level dictionary of an XML or binary property list; anything else finds nothing.
    [[nodiscard]] static DockPreferenceValues fromPropertyList(const QByteArray& data);

    [[nodiscard]] CapturedDockConfiguration configuration() const;
};
