// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

class QTranslator;

// Finds the catalogue for the user's preferred languages among those compiled into the app.
class Translation {
public:
    // Loads the catalogue of the first language in `uiLanguages` (most preferred first, as
    // QLocale::uiLanguages() gives them) that has one; false when none does or English comes first.
    [[nodiscard]] static bool load(QTranslator& translator, const QStringList& uiLanguages);
};
