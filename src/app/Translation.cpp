// SPDX-License-Identifier: MIT
#include "Translation.h"

#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

bool Translation::load(QTranslator& translator, const QStringList& uiLanguages) {
    for (const QString& language : uiLanguages) {
        const QLocale locale(language);
        // The texts are written in English, so English has no catalogue; a user who prefers it over a
        // language further down the list that has one still wants English.
        if (locale.language() == QLocale::English)
            return false;
        if (locale.language() != QLocale::C && translator.load(u"berthwise_"_s + locale.name(), u":/i18n"_s))
            return true;
    }
    return false;
}
