// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QObject>
#include <QtQml/qqml.h>

// The part of the theme QML cannot declare itself: a property whose name starts with "on" and a
// capital reads to QML as a signal handler, so the colour drawn on accents is declared here.
class ThemeBase : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QColor onAccent READ onAccent CONSTANT)

public:
    using QObject::QObject;

    [[nodiscard]] QColor onAccent() const { return Qt::white; }
};
