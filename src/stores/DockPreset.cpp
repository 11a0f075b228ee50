// SPDX-License-Identifier: MIT
#include "DockPreset.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

// The name and description stay in English in the record; screens and menus translate them where shown.
DockPreset makePreset(const QString& id, const char* name, const char* description, const QString& icon,
                      const DockConfiguration& settings) {
    DockPreset preset;
    static_cast<DockConfiguration&>(preset) = settings;
    preset.id = QUuid::fromString(id);
    preset.name = QString::fromUtf8(name);
    preset.description = QString::fromUtf8(description);
    preset.icon = icon;
    return preset;
}

} // namespace

const QList<DockPreset>& DockPreset::builtInPresets() {
    // The identifiers never change, so anything that refers to a preset by id keeps working.
    static const QList<DockPreset> presets{
        makePreset(u"00000000-0000-0000-0000-000000000001"_s,
                   QT_TRANSLATE_NOOP("DockPreset", "Clean Minimal"),
                   QT_TRANSLATE_NOOP("DockPreset", "Small Dock, no recent apps, cleaner minimized windows."),
                   u"sparkles"_s,
                   {.dockSize = 42,
                    .magnification = false,
                    .magnificationSize = 96,
                    .autoHide = false,
                    .fastAutoHide = false,
                    .showRecentApps = false,
                    .minimizeToApplication = true,
                    .showHidden = true,
                    .showOnlyRunningApps = false,
                    .showProcessIndicators = true,
                    .orientation = DockPosition::bottom,
                    .minimizeEffect = MinimizeEffect::genie}),
        makePreset(u"00000000-0000-0000-0000-000000000002"_s,
                   QT_TRANSLATE_NOOP("DockPreset", "Developer Mode"),
                   QT_TRANSLATE_NOOP("DockPreset",
                                     "Left Dock, compact icons, fast auto-hide, minimal distractions."),
                   u"terminal"_s,
                   {.dockSize = 38,
                    .magnification = false,
                    .magnificationSize = 96,
                    .autoHide = true,
                    .fastAutoHide = true,
                    .showRecentApps = false,
                    .minimizeToApplication = true,
                    .showHidden = true,
                    .showOnlyRunningApps = false,
                    .showProcessIndicators = true,
                    .orientation = DockPosition::left,
                    .minimizeEffect = MinimizeEffect::scale}),
        makePreset(u"00000000-0000-0000-0000-000000000003"_s,
                   QT_TRANSLATE_NOOP("DockPreset", "Presentation Mode"),
                   QT_TRANSLATE_NOOP("DockPreset", "Hidden Dock, no recent apps, clean screen sharing."),
                   u"display"_s,
                   {.dockSize = 36,
                    .magnification = false,
                    .magnificationSize = 80,
                    .autoHide = true,
                    .fastAutoHide = true,
                    .showRecentApps = false,
                    .minimizeToApplication = true,
                    .showHidden = false,
                    .showOnlyRunningApps = false,
                    .showProcessIndicators = false,
                    .orientation = DockPosition::bottom,
                    .minimizeEffect = MinimizeEffect::scale}),
        makePreset(u"00000000-0000-0000-0000-000000000004"_s, QT_TRANSLATE_NOOP("DockPreset", "Full Power"),
                   QT_TRANSLATE_NOOP("DockPreset", "Large Dock, magnification on, all indicators visible."),
                   u"bolt.fill"_s,
                   {.dockSize = 60,
                    .magnification = true,
                    .magnificationSize = 110,
                    .autoHide = false,
                    .fastAutoHide = false,
                    .showRecentApps = true,
                    .minimizeToApplication = false,
                    .showHidden = true,
                    .showOnlyRunningApps = false,
                    .showProcessIndicators = true,
                    .orientation = DockPosition::bottom,
                    .minimizeEffect = MinimizeEffect::genie}),
    };
    return presets;
}
