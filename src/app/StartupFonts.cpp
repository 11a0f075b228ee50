// SPDX-License-Identifier: MIT
#include "StartupFonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

// The symbol font's package installs it as TrueType and as two compressed web fonts, and the system
// may pick a compressed one, whose unpacking costs several milliseconds. Registered by the application,
// the TrueType file is the one drawn, provided the system's fonts are known by then: they would
// replace an application font of the same name registered before them.
void preferUncompressedSymbolFont() {
    const QString file =
        QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                               u"fonts/truetype/material-design-icons-iconfont/MaterialIcons-Regular.ttf"_s);
    if (!file.isEmpty() && QFontDatabase::hasFamily(u"Material Icons"_s))
        QFontDatabase::addApplicationFont(file);
}

} // namespace

void StartupFonts::prepare() {
    preferUncompressedSymbolFont();
    QFont bold = QGuiApplication::font();
    bold.setBold(true);
    for (const QFont& font : {QGuiApplication::font(), bold, QFont(u"Material Icons"_s)})
        (void)QFontMetricsF(font).height();
}
