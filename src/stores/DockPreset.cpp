// SPDX-License-Identifier: MIT
#include "DockPreset.h"

using namespace Qt::StringLiterals;

namespace {

DockPreset makePreset(const QString& id, const QString& name, const QString& description, const QString& icon,
                      const DockConfiguration& settings) {
    DockPreset preset;
    static_cast<DockConfiguration&>(preset) = settings;
    preset.id = QUuid::fromString(id);
    preset.name = name;
    preset.description = description;
    preset.icon = icon;
    return preset;
}

} // namespace

const QList<DockPreset>& DockPreset::builtInPresets() {
    // The identifiers never change, so anything that refers to a preset by id keeps working.
    static const QList<DockPreset> presets{
        makePreset(u"00000000-0000-0000-0000-000000000001"_s, u"Clean Minimal"_s,
                   u"Small Dock, no recent apps, cleaner minimized windows."_s, u"sparkles"_s,
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
        makePreset(u"00000000-0000-0000-0000-000000000002"_s, u"Developer Mode"_s,
                   u"Left Dock, compact icons, fast auto-hide, minimal distractions."_s, u"terminal"_s,
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
        makePreset(u"00000000-0000-0000-0000-000000000003"_s, u"Presentation Mode"_s,
                   u"Hidden Dock, no recent apps, clean screen sharing."_s, u"display"_s,
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
        makePreset(u"00000000-0000-0000-0000-000000000004"_s, u"Full Power"_s,
                   u"Large Dock, magnification on, all indicators visible."_s, u"bolt.fill"_s,
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
