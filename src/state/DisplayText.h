// SPDX-License-Identifier: MIT
#pragma once

#include "model/DockConfiguration.h"
#include "stores/DockPreset.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

// The texts the screens show for records, composed once here so that every screen and the menu agree.
class DisplayText {
public:
    // "Size 48px", the edge with a capital ("Left"), and "Auto-hide" only when auto-hide is on.
    [[nodiscard]] static QStringList badges(const DockConfiguration& configuration);
    // The locale's medium style without time: "Mar 14, 2025" in American English.
    [[nodiscard]] static QString mediumDate(const QDate& date, const QLocale& locale = QLocale());
    // "Mar 14, 2025 at 09:30:05" for a backup named with its time stamp; otherwise the file name
    // without its extension.
    [[nodiscard]] static QString backupName(const QString& fileName, const QLocale& locale = QLocale());
    // A built-in preset's name and description in the user's language; the records keep the English.
    [[nodiscard]] static QString presetName(const DockPreset& preset);
    [[nodiscard]] static QString presetDescription(const DockPreset& preset);
    // The colour of the theme that tints a preset's card: "green", "purple", "orange" or "blue".
    [[nodiscard]] static QString accent(const QString& icon);
};
