// SPDX-License-Identifier: MIT
#pragma once

#include "model/DockConfiguration.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QUuid>

#include <optional>

// A named snapshot of the whole Dock: the twelve settings and, normally, the exported preferences.
struct DockProfile : DockConfiguration {
    QUuid id;
    QString name;
    QString icon;
    QDateTime createdAt;
    std::optional<QByteArray> plistData;

    bool operator==(const DockProfile&) const = default;
};
