// SPDX-License-Identifier: MIT
#pragma once

#include "stores/DockPreset.h"
#include "stores/DockProfile.h"
#include "stores/DockSchedule.h"

#include <QString>
#include <QUuid>
#include <QVariantMap>

// Turns profiles, schedules and presets into the maps the screens list, and the screens' schedule
// maps and identifier texts back into records.
class ListEntryMaps {
public:
    // Without braces, as the screens show and send it back.
    [[nodiscard]] static QString idText(const QUuid& id);
    // Accepts the text with or without braces, in either case; anything else is the null id.
    [[nodiscard]] static QUuid idFromText(const QString& text);

    [[nodiscard]] static QVariantMap profileMap(const DockProfile& profile);
    [[nodiscard]] static QVariantMap scheduleMap(const DockSchedule& schedule);
    [[nodiscard]] static QVariantMap presetMap(const DockPreset& preset);

    // The inverse of scheduleMap; a map without a usable id gives a schedule with a new one, and
    // days outside 1 to 7 are left out.
    [[nodiscard]] static DockSchedule scheduleFromMap(const QVariantMap& map);
};
