// SPDX-License-Identifier: MIT
#pragma once

#include "state/DockViewModel.h"

#include <QObject>
#include <QtQml/qqml.h>

class QJSEngine;
class QQmlEngine;

// Hands the process's one view model to every QML engine as the singleton `DockViewModel`.
struct DockViewModelSingleton {
    Q_GADGET
    QML_FOREIGN(DockViewModel)
    QML_SINGLETON
    QML_NAMED_ELEMENT(DockViewModel)

public:
    // The instance the next engine receives; the caller keeps ownership.
    static void setInstance(DockViewModel* viewModel);
    [[nodiscard]] static DockViewModel* instance();

    static DockViewModel* create(QQmlEngine* engine, QJSEngine* scriptEngine);
};
