// SPDX-License-Identifier: MIT
#pragma once

#include "model/DockConfiguration.h"

#include <QList>
#include <QString>
#include <QUuid>

// One of the ready-made Dock set-ups that ship with Berthwise.
struct DockPreset : DockConfiguration {
    QUuid id;
    QString name;
    QString description;
    QString icon;

    // The four presets, in the order every screen and menu shows them.
    [[nodiscard]] static const QList<DockPreset>& builtInPresets();
};
