// SPDX-License-Identifier: MIT
#include "DockPreferenceKey.h"

using namespace Qt::StringLiterals;

QString rawValue(DockPreferenceKey key) {
    switch (key) {
    case DockPreferenceKey::tileSize:
        return u"tilesize"_s;
    case DockPreferenceKey::largeSize:
        return u"largesize"_s;
    case DockPreferenceKey::magnification:
        return u"magnification"_s;
    case DockPreferenceKey::orientation:
        return u"orientation"_s;
    case DockPreferenceKey::minimizeEffect:
        return u"mineffect"_s;
    case DockPreferenceKey::autoHide:
        return u"autohide"_s;
    case DockPreferenceKey::autoHideDelay:
        return u"autohide-delay"_s;
    case DockPreferenceKey::autoHideTimeModifier:
        return u"autohide-time-modifier"_s;
    case DockPreferenceKey::staticOnly:
        return u"static-only"_s;
    case DockPreferenceKey::showHidden:
        return u"showhidden"_s;
    case DockPreferenceKey::showProcessIndicators:
        return u"show-process-indicators"_s;
    case DockPreferenceKey::minimizeToApplication:
        return u"minimize-to-application"_s;
    case DockPreferenceKey::showRecents:
        return u"show-recents"_s;
    }
    Q_UNREACHABLE();
    return QString();
}
